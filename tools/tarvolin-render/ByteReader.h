#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace tarvolin::render {

// A cursor over untrusted bytes. Every read is checked against the end; a read
// that would run past it throws a RenderError naming the region being read.
class ByteReader {
public:
    ByteReader(std::span<const unsigned char> bytes, std::string region);

    bool atEnd() const { return position == bytes.size(); }
    std::size_t remaining() const { return bytes.size() - position; }

    std::uint8_t peek() const;
    std::uint8_t u8();
    // Big-endian, as in MIDI files.
    std::uint16_t u16();
    std::uint32_t u32();
    // MIDI variable-length quantity: 7 bits per byte, at most four bytes.
    std::uint32_t variableLength();
    std::span<const unsigned char> take(std::size_t count);
    void skip(std::size_t count) { take(count); }

private:
    void require(std::size_t count) const;

    std::span<const unsigned char> bytes;
    std::size_t position = 0;
    std::string region;
};

} // namespace tarvolin::render
