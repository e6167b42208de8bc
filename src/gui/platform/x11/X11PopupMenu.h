#pragma once

#include "gui/platform/Window.h"
#include "gui/platform/x11/XlibHeaders.h"

#include <functional>
#include <span>

namespace tarvolin::platform {

// What a menu needs of the window it opens for.
struct MenuOwner {
    Display* display;
    Screen* screen;
    Colormap colormap;
    // Events of the owner's own window that arrive while the menu is open.
    std::function<void(const XEvent&)> otherEvent;
};

// Shows the entries in an override-redirect window, its top-left corner at
// position (root coordinates, moved to keep the menu on the screen), and
// waits with the pointer and keyboard held until an entry is chosen (a
// button released over it, or Return on the lit one) or the menu dismissed (a
// press outside it, or Escape): answers the entry's index or kNoMenuChoice.
// Both grabs are let go on every way out. The host's window is not served
// meanwhile: the menu is modal, and nothing of the owner can go while it is open.
int showPopupMenu(const MenuOwner& owner, std::span<const MenuEntry> entries, Point position);

} // namespace tarvolin::platform
