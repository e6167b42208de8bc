#include "ByteReader.h"

#include "RenderError.h"

#include <utility>

namespace tarvolin::render {

ByteReader::ByteReader(std::span<const unsigned char> bytes, std::string region)
    : bytes(bytes), region(std::move(region)) {}

void ByteReader::require(std::size_t count) const {
    if (count > remaining()) {
        throw RenderError(region + " ends too early");
    }
}

std::uint8_t ByteReader::peek() const {
    require(1);
    return bytes[position];
}

std::uint8_t ByteReader::u8() {
    require(1);
    return bytes[position++];
}

std::uint16_t ByteReader::u16() {
    const auto high = u8();
    return static_cast<std::uint16_t>((high << 8) | u8());
}

std::uint32_t ByteReader::u32() {
    const std::uint32_t high = u16();
    return (high << 16) | u16();
}

std::uint32_t ByteReader::variableLength() {
    constexpr int kMaxBytes = 4;
    std::uint32_t value = 0;
    for (int i = 0; i < kMaxBytes; ++i) {
        const std::uint8_t byte = u8();
        value = (value << 7) | (byte & 0x7Fu);
        if ((byte & 0x80u) == 0) {
            return value;
        }
    }
    throw RenderError(region + " has a variable-length number longer than four bytes");
}

std::span<const unsigned char> ByteReader::take(std::size_t count) {
    require(count);
    const auto part = bytes.subspan(position, count);
    position += count;
    return part;
}

} // namespace tarvolin::render
