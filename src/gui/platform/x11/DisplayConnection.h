#pragma once

#include "gui/platform/x11/XlibHeaders.h"

#include <memory>

namespace tarvolin::platform {

struct DisplayCloser {
    void operator()(Display* display) const;
};

// A connection of the editor's own to the X server: never shared with the
// host or with another editor, so nothing of one reaches the other.
using DisplayConnection = std::unique_ptr<Display, DisplayCloser>;

// The server the environment names; empty when there is none to reach.
DisplayConnection openDisplay();

} // namespace tarvolin::platform
