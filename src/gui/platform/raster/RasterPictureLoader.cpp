#include "gui/platform/PictureLoader.h"
#include "gui/platform/artwork/EmbeddedArtwork.h"
#include "gui/platform/raster/BmpReader.h"
#include "gui/platform/raster/RasterPicture.h"

namespace tarvolin::platform {

std::unique_ptr<Picture> loadPicture(int resourceNumber) {
    std::optional<PixelBuffer> pixels = readBmp(embeddedArtwork(resourceNumber));
    if (!pixels) {
        return nullptr;
    }
    return std::make_unique<RasterPicture>(std::move(*pixels));
}

} // namespace tarvolin::platform
