#pragma once

#include "gui/Geometry.h"
#include "gui/platform/raster/PixelBuffer.h"

namespace tarvolin::testing {

// Picture number as committed in resources/, read from its BMP file.
const platform::PixelBuffer& committedPicture(int number);

// How many pixels of rect in drawn differ from the picture's pixels starting
// at from. Pixels beyond the picture's edge count as different.
int pixelsDiffering(const platform::PixelBuffer& drawn, const Rect& rect,
                    const platform::PixelBuffer& picture, Point from);

// Which of the images stacked in a committed picture the editor shows at rect,
// or -1 for none. Rows of the rectangle below the end of the picture must show
// the background picture.
int imageShown(const platform::PixelBuffer& drawn, const Rect& rect, int picture, int imageHeight,
               int images);

} // namespace tarvolin::testing
