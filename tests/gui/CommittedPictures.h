#pragma once

#include "gui/Geometry.h"
#include "gui/platform/raster/PixelBuffer.h"

namespace tarvolin::testing {

// Picture number as committed in resources/ (at scale 2: resources/2x/), read
// from its BMP file.
const platform::PixelBuffer& committedPicture(int number, int scale = 1);

// How many pixels of rect in drawn differ from the picture's pixels starting
// at from. Pixels beyond the picture's edge count as different.
int pixelsDiffering(const platform::PixelBuffer& drawn, const Rect& rect,
                    const platform::PixelBuffer& picture, Point from);

// Which of the images stacked in a committed picture the editor shows at rect,
// or -1 for none. Rows of the rectangle below the end of the picture must show
// the background picture. The rectangle and the image height are logical; the
// editor was drawn at scale.
int imageShown(const platform::PixelBuffer& drawn, const Rect& rect, int picture, int imageHeight,
               int images, int scale = 1);

} // namespace tarvolin::testing
