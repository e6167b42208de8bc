#include "gui/platform/x11/PixelLayout.h"

#include <bit>
#include <cstring>

namespace tarvolin::platform {

namespace {

// An 8-bit channel in a field of the mask's width: the top bits where the
// field is narrower, the bits repeated downwards where it is wider.
std::uint32_t placeChannel(std::uint32_t channel, std::uint32_t mask) {
    const int shift = std::countr_zero(mask);
    const int width = std::popcount(mask);
    std::uint32_t value = 0;
    if (width <= 8) {
        value = channel >> (8 - width);
    } else {
        for (int filled = 0; filled < width; filled += 8) {
            value = (value << 8) | channel;
        }
        value >>= (width + 7) / 8 * 8 - width;
    }
    return (value << shift) & mask;
}

std::uint32_t pixelValue(std::uint32_t rgb, const PixelLayout& layout) {
    return placeChannel((rgb >> 16) & 0xff, layout.redMask) |
           placeChannel((rgb >> 8) & 0xff, layout.greenMask) |
           placeChannel(rgb & 0xff, layout.blueMask);
}

} // namespace

bool PixelLayout::isSupported() const {
    return bitsPerPixel % 8 == 0 && bitsPerPixel >= 8 && bitsPerPixel <= 32 && redMask != 0 &&
           greenMask != 0 && blueMask != 0 && bytesPerLine > 0;
}

bool PixelLayout::matchesPixelBuffer() const {
    return bitsPerPixel == 32 && redMask == 0xff0000 && greenMask == 0x00ff00 &&
           blueMask == 0x0000ff &&
           mostSignificantByteFirst == (std::endian::native == std::endian::big);
}

void convertPixels(const PixelBuffer& pixels, const Rect& area, const PixelLayout& layout,
                   char* data) {
    const int bytes = layout.bitsPerPixel / 8;
    for (int v = area.top; v < area.bottom; ++v) {
        const std::uint32_t* from = pixels.row(v) + area.left;
        char* to = data + static_cast<std::ptrdiff_t>(v) * layout.bytesPerLine +
                   static_cast<std::ptrdiff_t>(area.left) * bytes;
        if (layout.matchesPixelBuffer()) {
            std::memcpy(to, from, static_cast<std::size_t>(area.width()) * 4);
            continue;
        }
        for (int h = 0; h < area.width(); ++h) {
            const std::uint32_t value = pixelValue(from[h], layout);
            for (int byte = 0; byte < bytes; ++byte) {
                const int shift = 8 * (layout.mostSignificantByteFirst ? bytes - 1 - byte : byte);
                to[h * bytes + byte] = static_cast<char>((value >> shift) & 0xff);
            }
        }
    }
}

} // namespace tarvolin::platform
