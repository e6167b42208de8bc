#pragma once

#include "gui/platform/raster/PixelBuffer.h"

#include <set>
#include <utility>

namespace tarvolin::test {

using PixelSet = std::set<std::pair<int, int>>;

// Every pixel of the buffer that has exactly this colour, as (h, v) pairs.
inline PixelSet pixelsOf(const platform::PixelBuffer& pixels, Colour colour) {
    PixelSet found;
    for (int v = 0; v < pixels.height(); ++v) {
        for (int h = 0; h < pixels.width(); ++h) {
            if (pixels.colourAt({h, v}).sameRgb(colour)) {
                found.insert({h, v});
            }
        }
    }
    return found;
}

inline PixelSet block(int left, int top, int right, int bottom) {
    PixelSet found;
    for (int v = top; v <= bottom; ++v) {
        for (int h = left; h <= right; ++h) {
            found.insert({h, v});
        }
    }
    return found;
}

} // namespace tarvolin::test
