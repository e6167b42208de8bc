#pragma once

#include "gui/Geometry.h"
#include "gui/platform/raster/PixelBuffer.h"

#include <vector>

namespace tarvolin::platform {

// What a window shows, as far as the server was sent it. A new picture is
// compared with it so that only what changed is sent; areas whose content
// the server lost are unknown and count as changed.
class ShownPicture {
public:
    // Everything unknown.
    ShownPicture(int width, int height);

    // The areas where the picture (of the same size) differs from what is
    // shown, now taken as shown: rectangles over tiles that changed, each
    // trimmed to the pixels that did.
    std::vector<Rect> takeChanges(const PixelBuffer& picture);
    void forget(const Rect& area);

private:
    PixelBuffer shown;
};

} // namespace tarvolin::platform
