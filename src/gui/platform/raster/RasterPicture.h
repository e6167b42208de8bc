#pragma once

#include "gui/platform/Surface.h"
#include "gui/platform/raster/PixelBuffer.h"

namespace tarvolin::platform {

class RasterPicture : public Picture {
public:
    explicit RasterPicture(PixelBuffer pixels) : pixels(std::move(pixels)) {}

    int width() const override { return pixels.width(); }
    int height() const override { return pixels.height(); }
    const PixelBuffer& buffer() const { return pixels; }

private:
    PixelBuffer pixels;
};

} // namespace tarvolin::platform
