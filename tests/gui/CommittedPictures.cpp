#include "CommittedPictures.h"

#include "gui/platform/raster/BmpReader.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace tarvolin::testing {

const platform::PixelBuffer& committedPicture(int number, int scale) {
    static std::map<std::pair<int, int>, platform::PixelBuffer> pictures;
    if (auto found = pictures.find({number, scale}); found != pictures.end()) {
        return found->second;
    }
    const std::string path = std::string(TARVOLIN_RESOURCE_DIR) + (scale == 2 ? "/2x/" : "/") +
                             std::to_string(number) + ".bmp";
    std::ifstream file(path, std::ios::binary);
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(file), {}};
    std::optional<platform::PixelBuffer> pixels = platform::readBmp(bytes);
    if (!pixels) {
        throw std::runtime_error("cannot read " + path);
    }
    return pictures.emplace(std::pair{number, scale}, std::move(*pixels)).first->second;
}

int pixelsDiffering(const platform::PixelBuffer& drawn, const Rect& rect,
                    const platform::PixelBuffer& picture, Point from) {
    int differing = 0;
    for (int v = 0; v < rect.height(); ++v) {
        for (int h = 0; h < rect.width(); ++h) {
            const Point source{from.h + h, from.v + v};
            differing += !picture.contains(source) ||
                         drawn.at({rect.left + h, rect.top + v}) != picture.at(source);
        }
    }
    return differing;
}

int imageShown(const platform::PixelBuffer& drawn, const Rect& logicalRect, int picture,
               int imageHeight, int images, int scale) {
    const platform::PixelBuffer& strip = committedPicture(picture, scale);
    const Rect rect = toDevice(logicalRect, scale);
    for (int image = 0; image < images; ++image) {
        const int top = image * imageHeight * scale;
        const int rows = std::min(rect.height(), strip.height() - top);
        const Rect inside{rect.left, rect.top, rect.right, rect.top + rows};
        const Rect beyond{rect.left, rect.top + rows, rect.right, rect.bottom};
        if (pixelsDiffering(drawn, inside, strip, {0, top}) == 0 &&
            pixelsDiffering(drawn, beyond, committedPicture(128, scale), beyond.topLeft()) == 0) {
            return image;
        }
    }
    return -1;
}

} // namespace tarvolin::testing
