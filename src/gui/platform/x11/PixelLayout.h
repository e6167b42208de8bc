#pragma once

#include "gui/Geometry.h"
#include "gui/platform/raster/PixelBuffer.h"

#include <cstdint>

namespace tarvolin::platform {

// How an image of a true-colour visual stores its pixels: the bytes of each
// (1 to 4) in the server's order, and where red, green and blue lie in the
// pixel value.
struct PixelLayout {
    int bitsPerPixel = 32;
    bool mostSignificantByteFirst = false;
    std::uint32_t redMask = 0xff0000;
    std::uint32_t greenMask = 0x00ff00;
    std::uint32_t blueMask = 0x0000ff;
    int bytesPerLine = 0;

    // Whole bytes per pixel and a mask for each colour.
    bool isSupported() const;
    // The pixel buffer's own words, 0x00RRGGBB: rows are copied as they are.
    bool matchesPixelBuffer() const;
};

// Writes the area of the pixels (inside both) into image data of the
// layout, at the same place.
void convertPixels(const PixelBuffer& pixels, const Rect& area, const PixelLayout& layout,
                   char* data);

} // namespace tarvolin::platform
