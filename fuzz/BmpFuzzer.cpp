// Any bytes as a BMP file: a picture of the size its header gives, or nothing.
#include "gui/platform/raster/BmpReader.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto picture = tarvolin::platform::readBmp(std::span(data, size));
    if (picture && (picture->width() <= 0 || picture->height() <= 0 ||
                    static_cast<std::size_t>(picture->width()) * picture->height() * 3 > size)) {
        std::abort();
    }
    return 0;
}
