#include "gui/platform/x11/X11Window.h"

#include "gui/platform/raster/RasterSurface.h"
#include "gui/platform/x11/X11EditField.h"
#include "gui/platform/x11/X11PopupMenu.h"
#include "gui/platform/x11/XErrorTrap.h"

#include <algorithm>
#include <cstdint>
#include <string>

namespace tarvolin::platform {

namespace {

constexpr long kChildEvents = ExposureMask | ButtonPressMask | ButtonReleaseMask |
                              ButtonMotionMask | KeyPressMask | KeyReleaseMask | FocusChangeMask |
                              StructureNotifyMask;

// The window's picture for one paint, click or pass; what it drew goes to the
// server when it goes, unless the window went first.
class WindowSurface final : public RasterSurface {
public:
    WindowSurface(X11Window& window, std::shared_ptr<PixelBuffer> pixels,
                  std::weak_ptr<const int> windowAlive)
        : RasterSurface(*pixels), pixels(std::move(pixels)), window(window),
          windowAlive(std::move(windowAlive)) {}
    ~WindowSurface() override {
        if (!windowAlive.expired()) {
            window.present();
        }
    }
    WindowSurface(const WindowSurface&) = delete;
    WindowSurface& operator=(const WindowSurface&) = delete;

private:
    std::shared_ptr<PixelBuffer> pixels;
    X11Window& window;
    std::weak_ptr<const int> windowAlive;
};

void setFixedSize(Display* display, ::Window window, int width, int height) {
    XSizeHints* hints = XAllocSizeHints();
    if (hints == nullptr) {
        return;
    }
    hints->flags = PSize | PMinSize | PMaxSize;
    hints->width = hints->min_width = hints->max_width = width;
    hints->height = hints->min_height = hints->max_height = height;
    XSetWMNormalHints(display, window, hints);
    XFree(hints);
}

void nameWindow(Display* display, ::Window window, const char* className) {
    XStoreName(display, window, "Window");
    // X has no window classes to register; the class name is the window's own.
    std::string name(className != nullptr ? className : "");
    XClassHint hint{name.data(), name.data()};
    XSetClassHint(display, window, &hint);
}

} // namespace

std::unique_ptr<X11Window> X11Window::create(::Window parent, const char* className, int width,
                                             int height, WindowClient& client) {
    DisplayConnection connection = openDisplay();
    if (connection == nullptr || parent == None || width <= 0 || height <= 0) {
        return nullptr;
    }
    Display* display = connection.get();
    XErrorTrap trap(display);
    const unsigned long first = trap.nextRequest();
    XWindowAttributes placed{};
    if (XGetWindowAttributes(display, parent, &placed) == 0 || trap.failedSince(first)) {
        return nullptr;
    }
    Visual* visual = DefaultVisualOfScreen(placed.screen);
    const int depth = DefaultDepthOfScreen(placed.screen);
    if (visual->c_class != TrueColor) {
        return nullptr;
    }
    XSetWindowAttributes attributes{};
    attributes.colormap =
        XCreateColormap(display, RootWindowOfScreen(placed.screen), visual, AllocNone);
    attributes.background_pixmap = None;
    attributes.border_pixel = 0;
    attributes.bit_gravity = NorthWestGravity;
    attributes.event_mask = kChildEvents;
    const ::Window child = XCreateWindow(
        display, parent, 0, 0, static_cast<unsigned>(width), static_cast<unsigned>(height), 0,
        depth, InputOutput, visual,
        CWColormap | CWBackPixmap | CWBorderPixel | CWBitGravity | CWEventMask, &attributes);
    setFixedSize(display, child, width, height);
    nameWindow(display, child, className);
    XMapWindow(display, child);
    if (trap.failedSince(first)) {
        XDestroyWindow(display, child);
        XFreeColormap(display, attributes.colormap);
        return nullptr;
    }
    std::unique_ptr<X11Window> window(new X11Window(
        std::move(connection), child, attributes.colormap, placed.screen, width, height, client));
    return window->transfer != nullptr ? std::move(window) : nullptr;
}

X11Window::X11Window(DisplayConnection connection, ::Window child, Colormap colormap,
                     Screen* screen, int width, int height, WindowClient& client)
    : connection(std::move(connection)), child(child), colormap(colormap), screen(screen),
      client(&client), canvas(std::make_shared<PixelBuffer>(width, height)), shown(width, height) {
    transfer = ImageTransfer::create(display(), child, DefaultVisualOfScreen(screen),
                                     DefaultDepthOfScreen(screen), width, height, true);
}

X11Window::~X11Window() {
    client = nullptr;
    const XErrorTrap trap(display());
    keyboard.reset();
    transfer.reset();
    // Once the host destroyed it, the window's number is nobody's.
    if (!gone) {
        XDestroyWindow(display(), child);
    }
    XFreeColormap(display(), colormap);
}

std::unique_ptr<Surface> X11Window::surface() {
    if (gone) {
        return nullptr;
    }
    return std::make_unique<WindowSurface>(*this, canvas, alive);
}

std::unique_ptr<Surface> X11Window::offscreen(int width, int height) {
    return std::make_unique<OffscreenRasterSurface>(width, height);
}

const PixelBuffer& X11Window::pictureToShow() {
    if (fields.empty()) {
        return *canvas;
    }
    composed = *canvas;
    for (const X11EditField* field : fields) {
        field->drawOver(composed);
    }
    return composed;
}

void X11Window::present() {
    if (gone) {
        return;
    }
    const XErrorTrap trap(display());
    const PixelBuffer& picture = pictureToShow();
    const std::vector<Rect> changes = shown.takeChanges(picture);
    for (const Rect& area : changes) {
        transfer->send(picture, area);
    }
    transfer->finish();
}

Point X11Window::screenOrigin() const {
    int h = 0;
    int v = 0;
    if (!gone) {
        const XErrorTrap trap(display());
        ::Window under = None;
        XTranslateCoordinates(display(), child, RootWindowOfScreen(screen), 0, 0, &h, &v, &under);
    }
    return {h, v};
}

void* X11Window::nativeHandle() const {
    return reinterpret_cast<void*>(static_cast<std::uintptr_t>(child));
}

void X11Window::setVisible(bool visible) {
    if (gone) {
        return;
    }
    const XErrorTrap trap(display());
    if (visible) {
        XMapWindow(display(), child);
    } else {
        XUnmapWindow(display(), child);
    }
    XFlush(display());
}

void X11Window::bringToTop() {
    if (gone) {
        return;
    }
    const XErrorTrap trap(display());
    // The top-level window holding this one is the child of the root above it.
    ::Window window = child;
    for (;;) {
        ::Window root = None;
        ::Window parent = None;
        ::Window* children = nullptr;
        unsigned count = 0;
        if (XQueryTree(display(), window, &root, &parent, &children, &count) == 0) {
            return;
        }
        if (children != nullptr) {
            XFree(children);
        }
        if (parent == root || parent == None) {
            break;
        }
        window = parent;
    }
    XRaiseWindow(display(), window);
    XFlush(display());
}

std::unique_ptr<EditField> X11Window::createEditField(const Rect& rect, std::string_view text,
                                                      const EditFieldStyle& style,
                                                      EditFieldClient& fieldClient) {
    if (gone) {
        return nullptr;
    }
    return std::make_unique<X11EditField>(*this, rect, text, style, fieldClient);
}

void X11Window::addField(X11EditField& field) {
    fields.push_back(&field);
}

void X11Window::removeField(X11EditField& field) {
    if (keyboardField == &field) {
        giveBackKeyboard();
    }
    fields.erase(std::remove(fields.begin(), fields.end(), &field), fields.end());
}

void X11Window::giveKeyboardTo(X11EditField& field) {
    if (gone) {
        return;
    }
    const XErrorTrap trap(display());
    if (keyboard == nullptr) {
        keyboard = std::make_unique<KeyboardInput>(display(), child);
    }
    keyboardField = &field;
    focusLost = false;
    keyboard->take();
    present();
}

void X11Window::giveBackKeyboard() {
    keyboardField = nullptr;
    focusLost = false;
    if (!gone && keyboard != nullptr) {
        const XErrorTrap trap(display());
        keyboard->giveBack();
    }
}

int X11Window::popUpMenu(std::span<const MenuEntry> entries, Point position) {
    if (gone) {
        return kNoMenuChoice;
    }
    const XErrorTrap trap(display());
    // What the control drew before its menu opens shows while it is open.
    present();
    const MenuOwner owner{display(), screen, colormap,
                          [this](const XEvent& event) { noteAside(event); }};
    const int answer = showPopupMenu(owner, entries, position);
    // The menu took the button's release; the pointer is as it is now.
    askServerForPointer();
    return answer;
}

} // namespace tarvolin::platform
