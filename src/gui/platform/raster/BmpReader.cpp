#include "gui/platform/raster/BmpReader.h"

namespace tarvolin::platform {

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kInfoHeaderMinimumSize = 40;
constexpr std::int64_t kLargestSide = 1 << 15;

std::uint32_t readU32(std::span<const std::uint8_t> bytes, std::size_t at) {
    return std::uint32_t{bytes[at]} | (std::uint32_t{bytes[at + 1]} << 8) |
           (std::uint32_t{bytes[at + 2]} << 16) | (std::uint32_t{bytes[at + 3]} << 24);
}

std::uint16_t readU16(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::uint16_t>(bytes[at] | (bytes[at + 1] << 8));
}

} // namespace

std::optional<PixelBuffer> readBmp(std::span<const std::uint8_t> file) {
    if (file.size() < kFileHeaderSize + kInfoHeaderMinimumSize || file[0] != 'B' ||
        file[1] != 'M') {
        return std::nullopt;
    }
    const std::uint32_t pixelOffset = readU32(file, 10);
    const std::uint32_t infoSize = readU32(file, 14);
    const auto width = static_cast<std::int32_t>(readU32(file, 18));
    const auto signedHeight = static_cast<std::int32_t>(readU32(file, 22));
    const std::uint16_t bitsPerPixel = readU16(file, 28);
    const std::uint32_t compression = readU32(file, 30);
    const std::int64_t height = signedHeight < 0 ? -std::int64_t{signedHeight} : signedHeight;
    if (infoSize < kInfoHeaderMinimumSize || bitsPerPixel != 24 || compression != 0 || width <= 0 ||
        height <= 0 || width > kLargestSide || height > kLargestSide) {
        return std::nullopt;
    }
    // Each row is padded to a whole number of 32-bit words.
    const std::size_t stride = (static_cast<std::size_t>(width) * 3 + 3) & ~std::size_t{3};
    const std::size_t rowsNeeded = static_cast<std::size_t>(height);
    if (pixelOffset > file.size() || (file.size() - pixelOffset) / stride < rowsNeeded) {
        return std::nullopt;
    }
    PixelBuffer pixels(width, static_cast<int>(height));
    const bool bottomUp = signedHeight > 0;
    for (int row = 0; row < height; ++row) {
        const int fileRow = bottomUp ? static_cast<int>(height) - 1 - row : row;
        const std::size_t rowStart = pixelOffset + static_cast<std::size_t>(fileRow) * stride;
        for (int column = 0; column < width; ++column) {
            const std::size_t at = rowStart + static_cast<std::size_t>(column) * 3;
            // Stored blue, green, red.
            pixels.set({column, row}, PixelBuffer::pack({file[at + 2], file[at + 1], file[at], 0}));
        }
    }
    return pixels;
}

} // namespace tarvolin::platform
