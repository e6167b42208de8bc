#include "gui/OffscreenContext.h"

#include "gui/Frame.h"
#include "gui/platform/Surface.h"
#include "gui/platform/Window.h"

namespace tarvolin {

namespace {

platform::Window* windowOf(Frame* frame) {
    return frame != nullptr ? frame->getPlatformWindow() : nullptr;
}

} // namespace

OffscreenContext::OffscreenContext(Frame* frame, int width, int height, Colour backgroundColour)
    : DrawContext(frame, nullptr, windowOf(frame)), width(width), height(height),
      backgroundColour(backgroundColour) {
    platform::Window* window = windowOf(frame);
    if (window != nullptr && width > 0 && height > 0) {
        picture = window->offscreen(width * getScale(), height * getScale());
    }
    attachSurface(picture.get());
    setFillColour(backgroundColour);
    setFrameColour(backgroundColour);
    const Rect whole{0, 0, width, height};
    fillRect(whole);
    drawRect(whole);
}

OffscreenContext::~OffscreenContext() {
    // The base part must let go of the surface before the picture goes away.
    if (picture != nullptr) {
        picture->restoreInitialState();
    }
    attachSurface(nullptr);
}

void OffscreenContext::copyTo(DrawContext& destination, const Rect& rect, Point offset) const {
    if (picture != nullptr && destination.getSurface() != nullptr) {
        destination.getSurface()->copySurface(*picture, destination.toDevice(rect),
                                              toDevice(offset));
    }
}

} // namespace tarvolin
