#include "gui/platform/x11/ShownPicture.h"

#include <algorithm>
#include <cstring>

namespace tarvolin::platform {

namespace {

// Tiles wide enough to keep the rectangles few and rows short to compare.
constexpr int kTileSize = 32;
// No picture has this pixel: it marks what is not known to be shown.
constexpr std::uint32_t kUnknown = 0xff000000u;

Rect unite(const Rect& a, const Rect& b) {
    if (a.width() <= 0) {
        return b;
    }
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
            std::max(a.bottom, b.bottom)};
}

// The smallest rectangle around the pixels of the tile that differ; empty when none do.
Rect changesInTile(const PixelBuffer& picture, const PixelBuffer& shown, const Rect& tile) {
    Rect changed;
    for (int v = tile.top; v < tile.bottom; ++v) {
        const std::uint32_t* now = picture.row(v);
        const std::uint32_t* before = shown.row(v);
        const auto bytes = static_cast<std::size_t>(tile.width()) * 4;
        if (std::memcmp(now + tile.left, before + tile.left, bytes) == 0) {
            continue;
        }
        int first = tile.left;
        while (now[first] == before[first]) {
            ++first;
        }
        int last = tile.right - 1;
        while (now[last] == before[last]) {
            --last;
        }
        changed = unite(changed, {first, v, last + 1, v + 1});
    }
    return changed;
}

// A rectangle over a run of changed tiles in one row of tiles.
struct Run {
    Rect area;
    int firstTile;
    int lastTile;
    int tileRow;
};

} // namespace

ShownPicture::ShownPicture(int width, int height) : shown(width, height) {
    forget({0, 0, width, height});
}

void ShownPicture::forget(const Rect& area) {
    const int left = std::max(area.left, 0);
    const int right = std::min(area.right, shown.width());
    for (int v = std::max(area.top, 0); v < std::min(area.bottom, shown.height()); ++v) {
        std::fill(shown.row(v) + left, shown.row(v) + std::max(left, right), kUnknown);
    }
}

std::vector<Rect> ShownPicture::takeChanges(const PixelBuffer& picture) {
    if (picture.width() != shown.width() || picture.height() != shown.height()) {
        return {};
    }
    std::vector<Run> runs;
    const int tileRows = (shown.height() + kTileSize - 1) / kTileSize;
    const int tileColumns = (shown.width() + kTileSize - 1) / kTileSize;
    for (int row = 0; row < tileRows; ++row) {
        bool open = false;
        for (int column = 0; column < tileColumns; ++column) {
            const Rect tile{column * kTileSize, row * kTileSize,
                            std::min((column + 1) * kTileSize, shown.width()),
                            std::min((row + 1) * kTileSize, shown.height())};
            const Rect changed = changesInTile(picture, shown, tile);
            if (changed.width() <= 0) {
                open = false;
                continue;
            }
            if (open) {
                runs.back().area = unite(runs.back().area, changed);
                runs.back().lastTile = column;
            } else {
                runs.push_back({changed, column, column, row});
                open = true;
            }
        }
    }
    // A run under one over the same tiles in the row above joins it.
    std::vector<Rect> areas;
    std::vector<Run> merged;
    for (const Run& run : runs) {
        auto above = std::find_if(merged.begin(), merged.end(), [&run](const Run& earlier) {
            return earlier.tileRow == run.tileRow - 1 && earlier.firstTile == run.firstTile &&
                   earlier.lastTile == run.lastTile;
        });
        if (above != merged.end()) {
            above->area = unite(above->area, run.area);
            above->tileRow = run.tileRow;
        } else {
            merged.push_back(run);
        }
    }
    for (const Run& run : merged) {
        for (int v = run.area.top; v < run.area.bottom; ++v) {
            std::copy(picture.row(v) + run.area.left, picture.row(v) + run.area.right,
                      shown.row(v) + run.area.left);
        }
        areas.push_back(run.area);
    }
    return areas;
}

} // namespace tarvolin::platform
