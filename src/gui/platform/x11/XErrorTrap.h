#pragma once

#include "gui/platform/x11/XlibHeaders.h"

namespace tarvolin::platform {

// Catches the X errors of one connection while it lives, so that Xlib's
// default handler, which ends the process, never sees an error of ours.
// Xlib keeps one handler for the whole process: a trap puts its own over
// whatever was installed and puts that back when it goes, and errors of any
// other connection (the host's own) go on to the handler that was there
// before. Traps nest on the thread that makes them, the innermost last; each
// editor's traps name its own connection, so instances never catch each
// other's errors.
class XErrorTrap {
public:
    explicit XErrorTrap(Display* display);
    ~XErrorTrap();
    XErrorTrap(const XErrorTrap&) = delete;
    XErrorTrap& operator=(const XErrorTrap&) = delete;

    // The number the connection's next request will carry.
    unsigned long nextRequest() const;
    // Waits until the server has answered everything sent so far, and tells
    // whether a request numbered first or later failed.
    bool failedSince(unsigned long first);

private:
    static int handle(Display* display, XErrorEvent* error);

    Display* display;
    XErrorTrap* outer;
    XErrorHandler previous;
    bool failed = false;
    unsigned long lastFailedRequest = 0;
};

} // namespace tarvolin::platform
