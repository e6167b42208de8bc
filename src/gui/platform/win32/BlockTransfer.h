#pragma once

#include "gui/Geometry.h"

#include <windows.h>

namespace tarvolin::platform {

// A source device context and the size of the picture selected into it:
// copies never read beyond that picture.
struct BlockSource {
    HDC dc;
    int width;
    int height;
};

// Copies rect's size from source, starting at offset, to rect's top-left corner.
void copyBlock(HDC target, const Rect& rect, const BlockSource& source, Point offset);

// As copyBlock, except that the source's white pixels leave the target as it
// was. mask is a monochrome picture lined up with the source, 1 where it is white.
void copyBlockMasked(HDC target, const Rect& rect, const BlockSource& source, HDC mask,
                     Point offset);

} // namespace tarvolin::platform
