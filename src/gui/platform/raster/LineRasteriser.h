#pragma once

#include "gui/Geometry.h"

#include <cstdlib>

namespace tarvolin::platform {

// Visits the pixels of the line from `from` towards `to`, `to` itself left out
// (so joined segments never draw their shared corner twice). The choice between
// two equally near pixels follows the classic display rule: Bresenham whose
// error term is biased in the octants where the minor step goes against the
// screen axes, so a line and its reverse cover the same pixels.
template <typename Visit> void forEachLinePixel(Point from, Point to, Visit&& visit) {
    const int dx = to.h - from.h;
    const int dy = to.v - from.v;
    const int major = std::max(std::abs(dx), std::abs(dy));
    const int minor = std::min(std::abs(dx), std::abs(dy));
    const bool xMajor = std::abs(dx) >= std::abs(dy);
    const int stepH = dx < 0 ? -1 : 1;
    const int stepV = dy < 0 ? -1 : 1;

    // Octants numbered 1 to 8 counter-clockwise from the positive h axis, with v down.
    int octant = 0;
    if (dy > 0) {
        octant = dx > 0 ? (dx > dy ? 1 : 2) : (-dx > dy ? 4 : 3);
    } else {
        octant = dx < 0 ? (-dx > -dy ? 5 : 6) : (dx > -dy ? 8 : 7);
    }
    const int bias = (octant == 3 || octant == 5 || octant == 6 || octant == 8) ? 1 : 0;

    Point at = from;
    int error = 2 * minor - major;
    for (int remaining = major; remaining > 0; --remaining) {
        visit(at);
        const bool stepMinor = error + bias > 0;
        error += stepMinor ? 2 * (minor - major) : 2 * minor;
        if (xMajor) {
            at.h += stepH;
            at.v += stepMinor ? stepV : 0;
        } else {
            at.v += stepV;
            at.h += stepMinor ? stepH : 0;
        }
    }
}

} // namespace tarvolin::platform
