#pragma once

#include "gui/platform/x11/XlibHeaders.h"

#include <string>

namespace tarvolin::platform {

// The keyboard of a window for its edit fields: the input focus, taken from
// whoever held it and given back to them, and key presses turned into text
// by the connection's input method (by the key map alone where there is none).
class KeyboardInput {
public:
    KeyboardInput(Display* display, ::Window window);
    ~KeyboardInput();
    KeyboardInput(const KeyboardInput&) = delete;
    KeyboardInput& operator=(const KeyboardInput&) = delete;

    void take();
    // Back to whoever held the focus before, if the window still holds it.
    void giveBack();
    // Whether the focus left the window after the last take, for someone else.
    bool lostBy(const XFocusChangeEvent& change) const;

    // Gives the input method its share of the window's events; true when it
    // took the event, which then is nobody else's.
    bool filter(XEvent& event);
    // The key pressed and the text it types, in Latin-1 as the toolkit's texts
    // are: characters beyond it are left out.
    std::string typedText(XKeyEvent& press, KeySym& key);

private:
    Display* display;
    ::Window window;
    XIM method = nullptr;
    XIC context = nullptr;
    ::Window focusBefore = None;
    int revertBefore = RevertToParent;
    unsigned long takenAt = 0;
};

} // namespace tarvolin::platform
