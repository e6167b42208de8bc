#pragma once

#include "gui/Geometry.h"

namespace tarvolin {

// The window a frame in own-window mode asks its host for.
struct WindowRequest {
    // At most 127 characters and the terminator.
    char title[128] = {};
    Point position;
    int width = 0;
    int height = 0;
    int style = 0;
};

// What a frame needs of the editor that owns it; the editor layer implements
// it and speaks to the host on the frame's behalf.
class FrameEditor {
public:
    // Called by controls on every pass of a mouse-tracking loop; the editor
    // throttles it into occasional refresh passes and host idle calls.
    virtual void trackingIdle() = 0;
    // The frame's window keeps time of its own (Window::startIdleTimer) and a
    // period has passed: the editor's idle pass is due.
    virtual void idleTimerElapsed() = 0;
    // A top-level window from the host for an own-window frame to live in;
    // null when the host gives none.
    virtual void* openWindow(const WindowRequest& request) = 0;
    // Gives back the window openWindow answered for the same request.
    virtual void closeWindow(const WindowRequest& request) = 0;

protected:
    ~FrameEditor() = default;
};

} // namespace tarvolin
