// The window's input: read in the frame's idle pass, where clicks and keys
// go to the toolkit, and in the toolkit's polls of the mouse while it tracks
// a click, where only the pointer's state moves on.

#include "gui/MouseButtons.h"
#include "gui/platform/x11/X11EditField.h"
#include "gui/platform/x11/X11Window.h"
#include "gui/platform/x11/XErrorTrap.h"

#include <array>
#include <string>
#include <utility>

#include <poll.h>

namespace tarvolin::platform {

namespace {

// How long a poll of the mouse waits for input before it asks the server.
constexpr int kPollWaitMilliseconds = 10;

constexpr std::array<std::pair<unsigned, int>, 6> kStateBits{{
    {Button1Mask, ButtonLeft},
    {Button2Mask, ButtonMiddle},
    {Button3Mask, ButtonRight},
    {ShiftMask, ModifierShift},
    {ControlMask, ModifierControl},
    {Mod1Mask, ModifierAlt},
}};

int buttonsWord(unsigned state) {
    int word = 0;
    for (const auto& [mask, bit] : kStateBits) {
        if ((state & mask) != 0) {
            word |= bit;
        }
    }
    return word;
}

// The wheel's buttons, and any beyond the third, have no bit.
int buttonBit(unsigned button) {
    switch (button) {
    case Button1:
        return ButtonLeft;
    case Button2:
        return ButtonMiddle;
    case Button3:
        return ButtonRight;
    default:
        return 0;
    }
}

// Follows a press, release or motion; false for other events and other buttons.
bool followPointer(const XEvent& event, PointerState& pointer) {
    if (event.type == MotionNotify) {
        pointer = {{event.xmotion.x, event.xmotion.y}, buttonsWord(event.xmotion.state)};
        return true;
    }
    if (event.type != ButtonPress && event.type != ButtonRelease) {
        return false;
    }
    const XButtonEvent& button = event.xbutton;
    const int bit = buttonBit(button.button);
    if (bit == 0) {
        return false;
    }
    // An event's state is the one before it.
    const int before = buttonsWord(button.state);
    pointer = {{button.x, button.y}, event.type == ButtonPress ? before | bit : before & ~bit};
    return true;
}

// A press while no button is held starts a click of its own.
bool beginsAnotherClick(const XEvent& event, const PointerState& pointer) {
    constexpr int kAnyButton = ButtonLeft | ButtonMiddle | ButtonRight;
    return event.type == ButtonPress && buttonBit(event.xbutton.button) != 0 &&
           (pointer.buttons & kAnyButton) == 0;
}

bool waitForInput(Display* display, int milliseconds) {
    pollfd connection{ConnectionNumber(display), POLLIN, 0};
    return poll(&connection, 1, milliseconds) > 0 && XEventsQueued(display, QueuedAfterReading) > 0;
}

EditKey editKeyFor(KeySym key) {
    switch (key) {
    case XK_Return:
    case XK_KP_Enter:
        return EditKey::Confirm;
    case XK_Escape:
        return EditKey::Cancel;
    case XK_BackSpace:
        return EditKey::Erase;
    default:
        return EditKey::Typing;
    }
}

} // namespace

void X11Window::handlePendingEvents() {
    // Inside a click, the click's own polls read the pointer; the pass only
    // shows what was drawn.
    if (dispatching) {
        present();
        return;
    }
    const std::weak_ptr<const int> stillHere = alive;
    endEditOnLostFocus();
    if (stillHere.expired() || gone) {
        return;
    }
    const XErrorTrap trap(display());
    dispatching = true;
    XEvent event;
    while (!gone && XPending(display()) > 0) {
        XNextEvent(display(), &event);
        if (keyboard != nullptr && keyboard->filter(event)) {
            continue;
        }
        dispatch(event);
        if (stillHere.expired()) {
            return;
        }
    }
    dispatching = false;
    if (paintRequested && !gone) {
        paintRequested = false;
        if (std::unique_ptr<Surface> target = surface()) {
            client->paint(*target);
        }
    }
    present();
}

void X11Window::dispatch(XEvent& event) {
    if (event.xany.window != child) {
        return;
    }
    switch (event.type) {
    case ButtonPress:
        // Left and right clicks go to the toolkit, as on the original platform.
        if (followPointer(event, pointer) && event.xbutton.button != Button2) {
            click(pointer.location);
        }
        break;
    case KeyPress:
        pressKey(event.xkey);
        break;
    case FocusOut:
        noteFocusOut(event.xfocus);
        endEditOnLostFocus();
        break;
    case DestroyNotify:
        noteDestroyed();
        endEditOnLostFocus();
        break;
    default:
        if (!followPointer(event, pointer)) {
            noteAside(event);
        }
        break;
    }
}

void X11Window::click(Point where) {
    // The surface may outlive the window: the click can close the editor.
    if (std::unique_ptr<Surface> target = surface()) {
        client->buttonDown(*target, where);
    }
}

void X11Window::pressKey(XKeyEvent& event) {
    if (keyboardField == nullptr || keyboard == nullptr) {
        return;
    }
    KeySym key = NoSymbol;
    const std::string typed = keyboard->typedText(event, key);
    const EditKey what = editKeyFor(key);
    if (what == EditKey::Typing && typed.empty()) {
        return;
    }
    keyboardField->press(what, typed);
}

int X11Window::mouseButtons() {
    const int answer = pointer.buttons;
    if (!gone) {
        present();
        const XErrorTrap trap(display());
        takeInPointerChange();
    }
    return answer;
}

void X11Window::takeInPointerChange() {
    if (XEventsQueued(display(), QueuedAfterFlush) == 0 &&
        !waitForInput(display(), kPollWaitMilliseconds)) {
        askServerForPointer();
        return;
    }
    XEvent event;
    while (!gone && XEventsQueued(display(), QueuedAfterReading) > 0) {
        XPeekEvent(display(), &event);
        if (beginsAnotherClick(event, pointer)) {
            // The loop that polls is over; the press is the idle pass's.
            return;
        }
        XNextEvent(display(), &event);
        if (keyboard != nullptr && keyboard->filter(event)) {
            continue;
        }
        if (event.xany.window == child && followPointer(event, pointer)) {
            return;
        }
        noteAside(event);
    }
}

void X11Window::askServerForPointer() {
    if (gone) {
        return;
    }
    ::Window root = None;
    ::Window under = None;
    int rootH = 0;
    int rootV = 0;
    int h = 0;
    int v = 0;
    unsigned mask = 0;
    // Without input for a while the pointer may have gone to someone else's
    // grab, which takes the release with it. Input that arrived meanwhile is
    // older than the answer and is read first.
    if (XQueryPointer(display(), child, &root, &under, &rootH, &rootV, &h, &v, &mask) != 0 &&
        XEventsQueued(display(), QueuedAlready) == 0) {
        pointer = {{h, v}, buttonsWord(mask)};
    }
}

void X11Window::noteAside(const XEvent& event) {
    if (event.xany.window != child) {
        return;
    }
    switch (event.type) {
    case Expose:
        noteExposure(event.xexpose);
        break;
    case FocusOut:
        noteFocusOut(event.xfocus);
        break;
    case DestroyNotify:
        noteDestroyed();
        break;
    default:
        // Keys and clicks have nobody to go to while a click or a menu runs.
        break;
    }
}

void X11Window::noteExposure(const XExposeEvent& exposure) {
    // Exposures merge: whatever the server lost is sent again after one paint.
    shown.forget(
        {exposure.x, exposure.y, exposure.x + exposure.width, exposure.y + exposure.height});
    paintRequested = true;
}

void X11Window::noteFocusOut(const XFocusChangeEvent& change) {
    if (keyboardField != nullptr && keyboard != nullptr && keyboard->lostBy(change)) {
        focusLost = true;
    }
}

void X11Window::noteDestroyed() {
    // The host destroyed its window, and this one with it: its number is
    // touched no more, and a loop tracking the mouse sees the buttons go up.
    gone = true;
    pointer.buttons = 0;
    if (keyboardField != nullptr) {
        focusLost = true;
    }
    if (client != nullptr) {
        client->windowDestroyed();
    }
}

void X11Window::endEditOnLostFocus() {
    if (focusLost && keyboardField != nullptr) {
        focusLost = false;
        // The field's client may close the editor: nothing follows.
        keyboardField->loseKeyboard();
    }
}

} // namespace tarvolin::platform
