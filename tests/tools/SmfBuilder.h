#pragma once

#include <cstdint>
#include <initializer_list>
#include <vector>

namespace tarvolin::render::testing {

using Bytes = std::vector<unsigned char>;

inline void append(Bytes& to, std::initializer_list<unsigned> bytes) {
    for (unsigned byte : bytes) {
        to.push_back(static_cast<unsigned char>(byte));
    }
}

inline void appendU32(Bytes& to, std::uint32_t value) {
    append(to, {value >> 24, (value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF});
}

inline Bytes variableLength(std::uint32_t value) {
    Bytes bytes{static_cast<unsigned char>(value & 0x7F)};
    while ((value >>= 7) != 0) {
        bytes.insert(bytes.begin(), static_cast<unsigned char>(0x80 | (value & 0x7F)));
    }
    return bytes;
}

// Writes Standard MIDI Files byte by byte, so that tests can also write broken ones.
class SmfBuilder {
public:
    SmfBuilder(unsigned format, unsigned trackCount, unsigned division) {
        append(file, {'M', 'T', 'h', 'd'});
        appendU32(file, 6);
        append(file, {format >> 8, format & 0xFF, trackCount >> 8, trackCount & 0xFF, division >> 8,
                      division & 0xFF});
    }

    // Starts a track; events follow with event(), ended by endTrack().
    SmfBuilder& track() {
        body.clear();
        return *this;
    }
    SmfBuilder& event(std::uint32_t delta, std::initializer_list<unsigned> bytes) {
        const Bytes time = variableLength(delta);
        body.insert(body.end(), time.begin(), time.end());
        append(body, bytes);
        return *this;
    }
    SmfBuilder& tempo(std::uint32_t delta, std::uint32_t microsecondsPerQuarter) {
        return event(delta, {0xFF, 0x51, 0x03, microsecondsPerQuarter >> 16,
                             (microsecondsPerQuarter >> 8) & 0xFF, microsecondsPerQuarter & 0xFF});
    }
    SmfBuilder& endTrack(std::uint32_t delta = 0) {
        event(delta, {0xFF, 0x2F, 0x00});
        append(file, {'M', 'T', 'r', 'k'});
        appendU32(file, static_cast<std::uint32_t>(body.size()));
        file.insert(file.end(), body.begin(), body.end());
        return *this;
    }

    const Bytes& bytes() const { return file; }

private:
    Bytes file;
    Bytes body;
};

} // namespace tarvolin::render::testing
