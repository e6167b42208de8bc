#include "gui/platform/x11/XErrorTrap.h"

#include <algorithm>

namespace tarvolin::platform {

namespace {

// The innermost trap of this thread; set only while a trap lives.
thread_local XErrorTrap* innermost = nullptr;

} // namespace

XErrorTrap::XErrorTrap(Display* display)
    : display(display), outer(innermost), previous(XSetErrorHandler(&XErrorTrap::handle)) {
    innermost = this;
}

XErrorTrap::~XErrorTrap() {
    innermost = outer;
    // Whoever installed a handler while the trap lived keeps it.
    const XErrorHandler current = XSetErrorHandler(previous);
    if (current != &XErrorTrap::handle) {
        XSetErrorHandler(current);
    }
}

unsigned long XErrorTrap::nextRequest() const {
    return NextRequest(display);
}

bool XErrorTrap::failedSince(unsigned long first) {
    XSync(display, False);
    return failed && lastFailedRequest >= first;
}

int XErrorTrap::handle(Display* display, XErrorEvent* error) {
    XErrorHandler before = nullptr;
    for (XErrorTrap* trap = innermost; trap != nullptr; trap = trap->outer) {
        if (trap->display == display) {
            trap->failed = true;
            trap->lastFailedRequest = std::max(trap->lastFailedRequest, error->serial);
            return 0;
        }
        before = trap->previous;
    }
    // Another connection's error, judged as it would have been without us. A
    // thread with no trap of its own has nobody to ask: the error is dropped
    // rather than given to a handler that may end the process.
    return before != nullptr ? before(display, error) : 0;
}

} // namespace tarvolin::platform
