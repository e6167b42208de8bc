#pragma once

#include "ScenePixels.h"

#include "gui/Geometry.h"

namespace tarvolin::test {

// How two drawings of the same cell differ.
struct CellDifference {
    // Pixels whose colours differ.
    int differing = 0;
    // The farthest any pixel of one drawing lies from the nearest pixel of the
    // same colour in the other (in the larger of the horizontal and vertical
    // distances); kOutOfReach when some colour has no match that near.
    int farthest = 0;
    // Ink is every pixel not of the cell's ground, the colour of its top-left
    // pixel: the largest distance between an edge of one drawing's ink
    // rectangle and the same edge of the other's.
    int inkOffset = 0;
    // Whether the most frequent ink colour is the same in both.
    bool sameMainInk = true;
};

inline constexpr int kSearchReach = 8;
inline constexpr int kOutOfReach = kSearchReach + 1;

// Both pictures must hold the cell.
CellDifference compareCell(const ScenePixels& first, const ScenePixels& second, const Rect& cell);

} // namespace tarvolin::test
