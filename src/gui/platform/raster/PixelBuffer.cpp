#include "gui/platform/raster/PixelBuffer.h"

namespace tarvolin::platform {

PixelBuffer::PixelBuffer(int width, int height, Colour fill) {
    if (width > 0 && height > 0) {
        columns = width;
        rows = height;
        pixels.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height),
                      pack(fill));
    }
}

Colour PixelBuffer::colourAt(Point point) const {
    return unpack(at(point));
}

} // namespace tarvolin::platform
