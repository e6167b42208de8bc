#pragma once

#include "gui/Geometry.h"
#include "gui/platform/raster/PixelBuffer.h"
#include "gui/platform/x11/PixelLayout.h"
#include "gui/platform/x11/XlibHeaders.h"

#include <memory>
#include <vector>

namespace tarvolin::platform {

// Sends pixels to one window: an image of the window's size in the visual's
// own layout, in memory shared with the server when the server can attach it
// (a server on another machine cannot), otherwise sent in the requests.
class ImageTransfer {
public:
    // Null when the visual's pixels are not ones this can write.
    static std::unique_ptr<ImageTransfer> create(Display* display, ::Window target, Visual* visual,
                                                 int depth, int width, int height,
                                                 bool trySharedMemory);
    ~ImageTransfer();
    ImageTransfer(const ImageTransfer&) = delete;
    ImageTransfer& operator=(const ImageTransfer&) = delete;

    // Converts the area of the pixels (clipped to the window) and sends it.
    void send(const PixelBuffer& pixels, const Rect& area);
    // Waits until the server has read what was sent, before the image is
    // written again; only shared memory needs it.
    void finish();

private:
    ImageTransfer(Display* display, ::Window target) : display(display), target(target) {}
    bool attachSharedImage(Visual* visual, int depth, int width, int height);
    bool makePlainImage(Visual* visual, int depth, int width, int height);
    PixelLayout layout() const;

    Display* display;
    ::Window target;
    GC context = nullptr;
    XImage* image = nullptr;
    bool shared = false;
    bool unread = false;
    XShmSegmentInfo segment{};
    std::vector<char> plainData;
};

} // namespace tarvolin::platform
