#pragma once

#include "gui/Geometry.h"
#include "gui/platform/Surface.h"

#include <cstdint>
#include <memory>

namespace tarvolin::platform {

// What a child window reports to the toolkit object that lives in it.
class WindowClient {
public:
    // The whole client area is to be drawn again.
    virtual void paint(Surface& surface) = 0;
    // Left or right button went down at where.
    virtual void buttonDown(Surface& surface, Point where) = 0;
    // The platform destroyed the window under the client.
    virtual void windowDestroyed() = 0;

protected:
    ~WindowClient() = default;
};

// A child window inside the host's window. Destroying the object detaches the
// client first, so messages that arrive late find nobody, then destroys the window.
class Window {
public:
    virtual ~Window() = default;

    // For drawing outside a paint request; valid while the object lives.
    virtual std::unique_ptr<Surface> surface() = 0;
    // An off-screen picture that can be copied to this window's surfaces.
    virtual std::unique_ptr<Surface> offscreen(int width, int height) = 0;

    // Live state of the mouse buttons and the Shift, Control and Alt keys (MouseButtons word).
    virtual int mouseButtons() const = 0;
    // The cursor position in this window's client coordinates.
    virtual Point mouseLocation() const = 0;
    // Milliseconds from an arbitrary start, wrapping at 32 bits.
    virtual std::uint32_t tickCount() const = 0;

    // The native handle native child controls use as their parent.
    virtual void* nativeHandle() const = 0;
    // Brings the top-level window that holds this one to the front.
    virtual void bringToTop() = 0;
};

// Supplied by exactly one window back end in each program.
// The window class is registered under className before the first window is made.
bool registerWindowClass(const char* className);
void unregisterWindowClass(const char* className);
std::unique_ptr<Window> createChildWindow(void* parentWindow, const char* className, int width,
                                          int height, WindowClient& client);

} // namespace tarvolin::platform
