#pragma once

#include "gui/platform/Window.h"

#include <windows.h>

namespace tarvolin::platform {

// Shows the entries as a native pop-up menu owned by owner, tracked with the
// left button, and answers the entry chosen or kNoMenuChoice. Messages are
// dispatched while it is open; it needs nothing but its arguments, so the
// owner may be destroyed meanwhile.
int trackPopupMenu(HWND owner, std::span<const MenuEntry> entries, Point position);

} // namespace tarvolin::platform
