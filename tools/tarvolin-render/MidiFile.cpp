#include "MidiFile.h"

#include "ByteReader.h"
#include "FileBytes.h"
#include "RenderError.h"
#include "TempoMap.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <string>

namespace tarvolin::render {

namespace {

constexpr std::uint8_t kNoteOff = 0x80;
constexpr std::uint8_t kNoteOn = 0x90;
constexpr std::uint8_t kControlChange = 0xB0;
constexpr std::uint8_t kProgramChange = 0xC0;
constexpr std::uint8_t kChannelPressure = 0xD0;
constexpr std::uint8_t kPitchBend = 0xE0;
constexpr std::uint8_t kSystemExclusive = 0xF0;
constexpr std::uint8_t kSystemExclusiveEscape = 0xF7;
constexpr std::uint8_t kMeta = 0xFF;
constexpr std::uint8_t kMetaEndOfTrack = 0x2F;
constexpr std::uint8_t kMetaSetTempo = 0x51;

struct TickedMessage {
    std::uint64_t tick;
    MidiMessage message;
};

struct Collected {
    std::vector<TickedMessage> messages;
    std::vector<TempoChange> tempoChanges;
    std::uint64_t endTick = 0;
};

std::string hex(unsigned value, int digits) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%0*X", digits, value);
    return text;
}

bool hasId(std::span<const unsigned char> id, const char (&expected)[5]) {
    return std::equal(id.begin(), id.end(), expected, expected + 4);
}

std::uint8_t dataByte(ByteReader& track, const std::string& name) {
    const std::uint8_t byte = track.u8();
    if (byte >= 0x80) {
        throw RenderError(name + " has the status byte " + hex(byte, 2) +
                          " where a data byte belongs");
    }
    return byte;
}

void readChannelMessage(ByteReader& track, const std::string& name, std::uint64_t tick,
                        std::uint8_t status, Collected& into) {
    const std::uint8_t kind = status & 0xF0;
    const std::uint8_t data1 = dataByte(track, name);
    if (kind == kProgramChange || kind == kChannelPressure) {
        return;
    }
    const std::uint8_t data2 = dataByte(track, name);
    if (kind == kNoteOff || kind == kNoteOn || kind == kControlChange || kind == kPitchBend) {
        into.messages.push_back({tick, {0.0, status, data1, data2}});
    }
}

// Answers whether the event ends the track.
bool readMeta(ByteReader& track, const std::string& name, std::uint64_t tick, Collected& into) {
    const std::uint8_t type = track.u8();
    const auto data = track.take(track.variableLength());
    if (type == kMetaEndOfTrack) {
        return true;
    }
    if (type == kMetaSetTempo) {
        if (data.size() != 3) {
            throw RenderError(name + " has a tempo event of " + std::to_string(data.size()) +
                              " bytes instead of 3");
        }
        const std::uint32_t microseconds =
            (std::uint32_t{data[0]} << 16) | (std::uint32_t{data[1]} << 8) | data[2];
        into.tempoChanges.push_back({tick, microseconds});
    }
    return false;
}

void readTrack(ByteReader track, const std::string& name, Collected& into) {
    std::uint64_t tick = 0;
    std::uint8_t runningStatus = 0;
    bool ended = false;
    while (!ended && !track.atEnd()) {
        tick += track.variableLength();
        std::uint8_t status = track.peek();
        if (status < 0x80) {
            if (runningStatus == 0) {
                throw RenderError(name + " has a data byte before any status byte");
            }
            status = runningStatus;
        } else {
            track.skip(1);
        }
        if (status < kSystemExclusive) {
            // Meta and system exclusive events leave the running status alone: many
            // writers rely on that, and no valid file can be misread because of it.
            runningStatus = status;
            readChannelMessage(track, name, tick, status, into);
        } else if (status == kSystemExclusive || status == kSystemExclusiveEscape) {
            track.skip(track.variableLength());
        } else if (status == kMeta) {
            ended = readMeta(track, name, tick, into);
        } else {
            throw RenderError(name + " has the status byte " + hex(status, 2) +
                              ", which has no place in a MIDI file");
        }
    }
    into.endTick = std::max(into.endTick, tick);
}

// The header's time division: ticks per quarter note, or with the top bit set
// an SMPTE frame rate and ticks per frame.
struct TimeBase {
    unsigned ticksPerQuarter = 0; // 0 for SMPTE
    double ticksPerSecond = 0.0;
};

TimeBase readTimeBase(std::uint16_t division) {
    if ((division & 0x8000u) == 0) {
        if (division == 0) {
            throw RenderError("the header gives 0 ticks per quarter note");
        }
        return {division, 0.0};
    }
    const int framesPerSecond = 256 - (division >> 8);
    const int ticksPerFrame = division & 0xFF;
    constexpr std::array kFrameRates{24, 25, 29, 30};
    if (std::find(kFrameRates.begin(), kFrameRates.end(), framesPerSecond) == kFrameRates.end() ||
        ticksPerFrame == 0) {
        throw RenderError("the header has an invalid SMPTE time division " + hex(division, 4));
    }
    // 29 stands for the drop-frame rate of 29.97 frames per second.
    return {0, (framesPerSecond == 29 ? 29.97 : framesPerSecond) * ticksPerFrame};
}

} // namespace

MidiSong parseMidiFile(std::span<const unsigned char> bytes) {
    ByteReader file(bytes, "the file");
    if (file.remaining() < 8 || !hasId(file.take(4), "MThd")) {
        throw RenderError("not a Standard MIDI File (no MThd header)");
    }
    const std::uint32_t headerLength = file.u32();
    if (headerLength < 6) {
        throw RenderError("the header is " + std::to_string(headerLength) +
                          " bytes long, shorter than the 6 it needs");
    }
    ByteReader header(file.take(headerLength), "the header");
    const std::uint16_t format = header.u16();
    const std::uint16_t trackCount = header.u16();
    const TimeBase timeBase = readTimeBase(header.u16());
    if (format == 2) {
        throw RenderError("format 2 (independent sequences) is not supported");
    }
    if (format > 2) {
        throw RenderError("unknown MIDI file format " + std::to_string(format));
    }
    if (trackCount == 0) {
        throw RenderError("the file has no tracks");
    }

    Collected collected;
    for (unsigned found = 0; found < trackCount;) {
        if (file.atEnd()) {
            throw RenderError("the file ends after " + std::to_string(found) + " of " +
                              std::to_string(trackCount) + " tracks");
        }
        const auto id = file.take(4);
        const std::uint32_t length = file.u32();
        const bool isTrack = hasId(id, "MTrk");
        const std::string name = isTrack ? "track " + std::to_string(found + 1) : "a chunk";
        if (length > file.remaining()) {
            throw RenderError(name + " claims " + std::to_string(length) +
                              " bytes, more than the file has left");
        }
        const auto body = file.take(length);
        // Chunks of other types are skipped, as the file format asks of readers.
        if (isTrack) {
            readTrack(ByteReader(body, name), name, collected);
            ++found;
        }
    }

    std::stable_sort(
        collected.messages.begin(), collected.messages.end(),
        [](const TickedMessage& a, const TickedMessage& b) { return a.tick < b.tick; });
    const TempoMap tempo =
        timeBase.ticksPerQuarter != 0
            ? TempoMap(timeBase.ticksPerQuarter, std::move(collected.tempoChanges))
            : TempoMap(timeBase.ticksPerSecond);
    MidiSong song;
    song.messages.reserve(collected.messages.size());
    for (TickedMessage& ticked : collected.messages) {
        ticked.message.seconds = tempo.seconds(ticked.tick);
        song.messages.push_back(ticked.message);
    }
    song.lengthSeconds = tempo.seconds(collected.endTick);
    return song;
}

MidiSong readMidiFile(const std::filesystem::path& path) {
    const std::vector<unsigned char> bytes = readFileBytes(path);
    try {
        return parseMidiFile(bytes);
    } catch (const RenderError& error) {
        throw RenderError(path.string() + ": " + error.what());
    }
}

} // namespace tarvolin::render
