#include "gui/platform/x11/X11PopupMenu.h"

#include "gui/platform/raster/PixelBuffer.h"
#include "gui/platform/x11/ImageTransfer.h"
#include "gui/platform/x11/MenuLayout.h"
#include "gui/platform/x11/XErrorTrap.h"

#include <algorithm>
#include <chrono>
#include <memory>
#include <thread>

namespace tarvolin::platform {

namespace {

constexpr unsigned kPointerEvents = ButtonPressMask | ButtonReleaseMask | PointerMotionMask;

Point placeOnScreen(Point position, const MenuLayout& layout, Screen* screen) {
    const int width = WidthOfScreen(screen);
    const int height = HeightOfScreen(screen);
    int v = position.v;
    // Above the point rather than off the bottom of the screen.
    if (v + layout.height() > height) {
        v -= layout.height();
    }
    return {std::clamp(position.h, 0, std::max(0, width - layout.width())),
            std::clamp(v, 0, std::max(0, height - layout.height()))};
}

// Another client may hold the pointer or the keyboard for a moment (a host's
// own menu closing, a window manager moving a window): a grab is asked for
// a few times before the menu does without it.
constexpr int kGrabAttempts = 20;
constexpr auto kGrabRetryDelay = std::chrono::milliseconds(5);

template <typename Grab> bool grabPatiently(Grab grab) {
    for (int attempt = 0; attempt < kGrabAttempts; ++attempt) {
        if (grab() == GrabSuccess) {
            return true;
        }
        std::this_thread::sleep_for(kGrabRetryDelay);
    }
    return false;
}

bool isPointerEvent(const XEvent& event) {
    return event.type == ButtonPress || event.type == ButtonRelease || event.type == MotionNotify;
}

// The menu's window, held with the pointer and keyboard while it lives.
class MenuWindow {
public:
    MenuWindow(const MenuOwner& owner, const MenuLayout& layout, Point corner);
    ~MenuWindow();
    MenuWindow(const MenuWindow&) = delete;
    MenuWindow& operator=(const MenuWindow&) = delete;

    bool holdsPointer() const { return pointerHeld; }
    int run();

private:
    void show();
    void light(int entry);
    // True when the event ends the menu; the answer is then set.
    bool handlePointer(const XEvent& event, int& answer);
    bool handleKey(XKeyEvent& press, int& answer);

    const MenuOwner& owner;
    const MenuLayout& layout;
    Point corner;
    ::Window window = None;
    std::unique_ptr<ImageTransfer> transfer;
    PixelBuffer picture;
    int lit = kNoMenuChoice;
    bool pointerHeld = false;
};

MenuWindow::MenuWindow(const MenuOwner& owner, const MenuLayout& layout, Point corner)
    : owner(owner), layout(layout), corner(corner), picture(layout.width(), layout.height()) {
    Display* display = owner.display;
    Visual* visual = DefaultVisualOfScreen(owner.screen);
    const int depth = DefaultDepthOfScreen(owner.screen);
    XSetWindowAttributes attributes{};
    attributes.override_redirect = True;
    attributes.save_under = True;
    attributes.colormap = owner.colormap;
    attributes.border_pixel = 0;
    attributes.background_pixmap = None;
    attributes.event_mask = ExposureMask | KeyPressMask | kPointerEvents;
    window = XCreateWindow(display, RootWindowOfScreen(owner.screen), corner.h, corner.v,
                           static_cast<unsigned>(layout.width()),
                           static_cast<unsigned>(layout.height()), 0, depth, InputOutput, visual,
                           CWOverrideRedirect | CWSaveUnder | CWColormap | CWBorderPixel |
                               CWBackPixmap | CWEventMask,
                           &attributes);
    XMapRaised(display, window);
    transfer = ImageTransfer::create(display, window, visual, depth, layout.width(),
                                     layout.height(), false);
    if (transfer == nullptr) {
        return;
    }
    show();
    // A grab needs the window on the screen: the server maps it first.
    pointerHeld = grabPatiently([&] {
        return XGrabPointer(display, window, False, kPointerEvents, GrabModeAsync, GrabModeAsync,
                            None, None, CurrentTime);
    });
    // Without the keyboard the menu still answers the mouse.
    grabPatiently([&] {
        return XGrabKeyboard(display, window, False, GrabModeAsync, GrabModeAsync, CurrentTime);
    });
}

MenuWindow::~MenuWindow() {
    Display* display = owner.display;
    XUngrabPointer(display, CurrentTime);
    XUngrabKeyboard(display, CurrentTime);
    transfer.reset();
    XDestroyWindow(display, window);
    XFlush(display);
}

void MenuWindow::show() {
    layout.draw(picture, lit);
    transfer->send(picture, {0, 0, layout.width(), layout.height()});
    transfer->finish();
}

void MenuWindow::light(int entry) {
    if (entry != lit) {
        lit = entry;
        show();
    }
}

bool MenuWindow::handlePointer(const XEvent& event, int& answer) {
    // Read on the root, so that what reached the owner's window before the
    // grab counts as well as what reaches the menu.
    const bool moved = event.type == MotionNotify;
    const Point at{(moved ? event.xmotion.x_root : event.xbutton.x_root) - corner.h,
                   (moved ? event.xmotion.y_root : event.xbutton.y_root) - corner.v};
    const bool inside = at.h >= 0 && at.v >= 0 && at.h < layout.width() && at.v < layout.height();
    const int entry = layout.entryAt(at);
    if (moved) {
        light(entry);
        return false;
    }
    // The wheel neither chooses nor dismisses.
    if (event.xbutton.button > Button3) {
        return false;
    }
    if (event.type == ButtonPress && !inside) {
        answer = kNoMenuChoice;
        return true;
    }
    light(entry);
    if (event.type == ButtonRelease && entry != kNoMenuChoice) {
        answer = entry;
        return true;
    }
    return false;
}

bool MenuWindow::handleKey(XKeyEvent& press, int& answer) {
    switch (XLookupKeysym(&press, 0)) {
    case XK_Escape:
        answer = kNoMenuChoice;
        return true;
    case XK_Return:
    case XK_KP_Enter:
        if (lit != kNoMenuChoice) {
            answer = lit;
            return true;
        }
        return false;
    case XK_Down:
        light(layout.step(lit, 1));
        return false;
    case XK_Up:
        light(layout.step(lit, -1));
        return false;
    default:
        return false;
    }
}

int MenuWindow::run() {
    int answer = kNoMenuChoice;
    XEvent event;
    for (;;) {
        XNextEvent(owner.display, &event);
        if (isPointerEvent(event)) {
            if (handlePointer(event, answer)) {
                return answer;
            }
        } else if (event.xany.window != window) {
            owner.otherEvent(event);
        } else if (event.type == Expose && event.xexpose.count == 0) {
            show();
        } else if (event.type == KeyPress && handleKey(event.xkey, answer)) {
            return answer;
        }
    }
}

} // namespace

int showPopupMenu(const MenuOwner& owner, std::span<const MenuEntry> entries, Point position) {
    if (entries.empty()) {
        return kNoMenuChoice;
    }
    const XErrorTrap trap(owner.display);
    const MenuLayout layout(entries);
    MenuWindow menu(owner, layout, placeOnScreen(position, layout, owner.screen));
    return menu.holdsPointer() ? menu.run() : kNoMenuChoice;
}

} // namespace tarvolin::platform
