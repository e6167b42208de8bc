#pragma once

#include "gui/DrawContext.h"

#include <memory>

namespace tarvolin {

// A context over an off-screen picture made compatible with the frame's
// window: a control composes into it, then copies the result in one step.
class OffscreenContext : public DrawContext {
public:
    OffscreenContext(Frame* frame, int width, int height, Colour backgroundColour);
    ~OffscreenContext() override;

    // Copies rect's size from offset in the picture to rect's corner in destination.
    void copyTo(DrawContext& destination, const Rect& rect, Point offset = {}) const;

    int getWidth() const { return width; }
    int getHeight() const { return height; }
    Colour getBackgroundColour() const { return backgroundColour; }

private:
    std::unique_ptr<platform::Surface> picture;
    int width;
    int height;
    Colour backgroundColour;
};

} // namespace tarvolin
