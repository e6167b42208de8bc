#pragma once

#include "gui/Colour.h"
#include "gui/Geometry.h"
#include "gui/platform/raster/PixelBuffer.h"

#include <span>

namespace tarvolin {
class Control;
}

namespace tarvolin::gallery {

class Pictures;

// One control of the gallery: its name, written under it, where it lies and
// how it is made, with its value.
struct Exhibit {
    const char* name;
    Rect place;
    Control* (*make)(const Rect& place, Pictures& pictures);
};

// Every control of the toolkit, the editor's first, in the order shown.
std::span<const Exhibit> exhibits();

inline constexpr int kGalleryWidth = 720;
inline constexpr int kGalleryHeight = 400;
// The gallery's wall, where no control is.
inline constexpr Colour kWall{46, 38, 58, 0};

// The gallery drawn by the raster back end in a headless window.
platform::PixelBuffer drawGallery();

} // namespace tarvolin::gallery
