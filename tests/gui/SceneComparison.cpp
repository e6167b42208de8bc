#include "SceneComparison.h"

#include <algorithm>
#include <cstdlib>
#include <map>

namespace tarvolin::test {

namespace {

// Distance from (h, v) to the nearest pixel of the colour in the cell of pixels.
int distanceToColour(const ScenePixels& pixels, const Rect& cell, int h, int v,
                     std::uint32_t colour) {
    for (int reach = 0; reach <= kSearchReach; ++reach) {
        for (int y = std::max(v - reach, cell.top); y <= std::min(v + reach, cell.bottom - 1);
             ++y) {
            for (int x = std::max(h - reach, cell.left); x <= std::min(h + reach, cell.right - 1);
                 ++x) {
                // Only the ring at this reach is new.
                const bool onRing = std::max(std::abs(x - h), std::abs(y - v)) == reach;
                if (onRing && pixels.at(x, y) == colour) {
                    return reach;
                }
            }
        }
    }
    return kOutOfReach;
}

struct Ink {
    // Inverted (right < left) when the cell is all ground.
    Rect bounds;
    std::uint32_t mainColour = 0;
};

Ink inkOf(const ScenePixels& pixels, const Rect& cell) {
    const std::uint32_t ground = pixels.at(cell.left, cell.top);
    Ink ink{{cell.right, cell.bottom, cell.left, cell.top}};
    std::map<std::uint32_t, int> counts;
    for (int v = cell.top; v < cell.bottom; ++v) {
        for (int h = cell.left; h < cell.right; ++h) {
            const std::uint32_t colour = pixels.at(h, v);
            if (colour == ground) {
                continue;
            }
            ++counts[colour];
            ink.bounds = {std::min(ink.bounds.left, h), std::min(ink.bounds.top, v),
                          std::max(ink.bounds.right, h + 1), std::max(ink.bounds.bottom, v + 1)};
        }
    }
    const auto mostFrequent =
        std::max_element(counts.begin(), counts.end(),
                         [](const auto& a, const auto& b) { return a.second < b.second; });
    if (mostFrequent != counts.end()) {
        ink.mainColour = mostFrequent->first;
    }
    return ink;
}

int largestEdgeOffset(const Rect& a, const Rect& b) {
    return std::max({std::abs(a.left - b.left), std::abs(a.top - b.top),
                     std::abs(a.right - b.right), std::abs(a.bottom - b.bottom)});
}

} // namespace

CellDifference compareCell(const ScenePixels& first, const ScenePixels& second, const Rect& cell) {
    CellDifference difference;
    for (int v = cell.top; v < cell.bottom; ++v) {
        for (int h = cell.left; h < cell.right; ++h) {
            const std::uint32_t mine = first.at(h, v);
            const std::uint32_t theirs = second.at(h, v);
            if (mine == theirs) {
                continue;
            }
            ++difference.differing;
            difference.farthest =
                std::max({difference.farthest, distanceToColour(second, cell, h, v, mine),
                          distanceToColour(first, cell, h, v, theirs)});
        }
    }
    const Ink firstInk = inkOf(first, cell);
    const Ink secondInk = inkOf(second, cell);
    difference.inkOffset = largestEdgeOffset(firstInk.bounds, secondInk.bounds);
    difference.sameMainInk = firstInk.mainColour == secondInk.mainColour;
    return difference;
}

} // namespace tarvolin::test
