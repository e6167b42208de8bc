#pragma once

#include "gui/platform/raster/PixelBuffer.h"

namespace tarvolin::platform {

// Writes the pixels as an 8-bit RGB PNG file; false when the file cannot be written.
bool writePng(const PixelBuffer& pixels, const char* path);

} // namespace tarvolin::platform
