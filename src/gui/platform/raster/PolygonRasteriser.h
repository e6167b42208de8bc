#pragma once

#include "gui/Geometry.h"

#include <span>
#include <vector>

namespace tarvolin::platform {

// One row of a filled shape: pixels left .. right - 1 at row v.
struct PixelSpan {
    int v;
    int left;
    int right;
};

// The rows inside the closed polygon under the alternate (even-odd) rule,
// sampling pixel centres: a rectangle's right and bottom edges stay outside.
std::vector<PixelSpan> polygonSpans(std::span<const Point> points);

} // namespace tarvolin::platform
