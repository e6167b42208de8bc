#include "gui/platform/x11/DisplayConnection.h"

#include "gui/platform/x11/XErrorTrap.h"

namespace tarvolin::platform {

void DisplayCloser::operator()(Display* display) const {
    // Closing waits for the server's last answers, errors included.
    const XErrorTrap trap(display);
    XCloseDisplay(display);
}

DisplayConnection openDisplay() {
    return DisplayConnection(XOpenDisplay(nullptr));
}

} // namespace tarvolin::platform
