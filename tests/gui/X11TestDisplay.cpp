#include "X11TestDisplay.h"

#include <algorithm>
#include <bit>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <stdexcept>
#include <string>

#include <X11/Xatom.h>
#include <X11/extensions/XTest.h>

namespace tarvolin::test {

namespace {

// The tests' own connections, whose errors are the tests' own; any other
// error that comes here passed a plug-in's trap.
std::mutex registry;
std::vector<Display*> ownConnections;
int strayErrorCount = 0;

int countError(Display* display, XErrorEvent* /*error*/) {
    const std::lock_guard lock(registry);
    const bool own =
        std::find(ownConnections.begin(), ownConnections.end(), display) != ownConnections.end();
    if (!own) {
        ++strayErrorCount;
    }
    return 0;
}

// The field of a colour in a pixel value, and the same colour of an 8-bit channel cut to the
// field's width.
unsigned fieldOf(unsigned long value, unsigned long mask) {
    return static_cast<unsigned>((value & mask) >> std::countr_zero(mask));
}
unsigned cutTo(unsigned channel, unsigned long mask) {
    return channel >> (8 - std::popcount(mask));
}

} // namespace

X11TestDisplay::X11TestDisplay(const XvfbServer& server)
    : connection(XOpenDisplay(server.name().c_str())) {
    if (connection == nullptr) {
        throw std::runtime_error("cannot reach " + server.name());
    }
    server.select();
    const std::lock_guard lock(registry);
    ownConnections.push_back(connection);
    // Once, before any plug-in traps errors: the handler a host has in place.
    static const bool installed = [] {
        XSetErrorHandler(&countError);
        return true;
    }();
    (void)installed;
}

X11TestDisplay::~X11TestDisplay() {
    XCloseDisplay(connection);
    const std::lock_guard lock(registry);
    ownConnections.erase(std::find(ownConnections.begin(), ownConnections.end(), connection));
}

::Window X11TestDisplay::openWindow(const Rect& area) const {
    const int screen = DefaultScreen(connection);
    XSetWindowAttributes attributes{};
    // Placed where asked: there is no window manager to place it.
    attributes.override_redirect = True;
    attributes.background_pixel = BlackPixel(connection, screen);
    attributes.event_mask = StructureNotifyMask;
    const ::Window window =
        XCreateWindow(connection, RootWindow(connection, screen), area.left, area.top,
                      static_cast<unsigned>(area.width()), static_cast<unsigned>(area.height()), 0,
                      CopyFromParent, InputOutput, CopyFromParent,
                      CWOverrideRedirect | CWBackPixel | CWEventMask, &attributes);
    XMapWindow(connection, window);
    XEvent event;
    do {
        XWindowEvent(connection, window, StructureNotifyMask, &event);
    } while (event.type != MapNotify);
    return window;
}

std::vector<::Window> X11TestDisplay::childrenOf(::Window window) const {
    ::Window root = None;
    ::Window parent = None;
    ::Window* children = nullptr;
    unsigned count = 0;
    std::vector<::Window> found;
    if (XQueryTree(connection, window, &root, &parent, &children, &count) != 0) {
        found.assign(children, children + count);
    }
    if (children != nullptr) {
        XFree(children);
    }
    return found;
}

ServerImage X11TestDisplay::picture(::Window window, const Rect& area) const {
    return ServerImage(XGetImage(connection, window, area.left, area.top,
                                 static_cast<unsigned>(area.width()),
                                 static_cast<unsigned>(area.height()), AllPlanes, ZPixmap));
}

Point X11TestDisplay::rootPosition(::Window window) const {
    int h = 0;
    int v = 0;
    ::Window under = None;
    XTranslateCoordinates(connection, window, DefaultRootWindow(connection), 0, 0, &h, &v, &under);
    return {h, v};
}

void X11TestDisplay::moveTo(Point root) const {
    XTestFakeMotionEvent(connection, -1, root.h, root.v, CurrentTime);
    sync();
}

void X11TestDisplay::button(unsigned number, bool down) const {
    XTestFakeButtonEvent(connection, number, down ? True : False, CurrentTime);
    sync();
}

void X11TestDisplay::key(KeySym key, bool down) const {
    XTestFakeKeyEvent(connection, XKeysymToKeycode(connection, key), down ? True : False,
                      CurrentTime);
    sync();
}

void X11TestDisplay::tap(KeySym key) const {
    this->key(key, true);
    this->key(key, false);
}

int X11TestDisplay::strayErrors() {
    return strayErrorCount;
}

int pixelsDiffering(const XImage& image, const platform::PixelBuffer& expected, Point from) {
    int differing = 0;
    auto& readable = const_cast<XImage&>(image);
    for (int v = 0; v < image.height; ++v) {
        for (int h = 0; h < image.width; ++h) {
            const unsigned long value = XGetPixel(&readable, h, v);
            const std::uint32_t rgb = expected.at({from.h + h, from.v + v});
            differing +=
                fieldOf(value, image.red_mask) != cutTo((rgb >> 16) & 0xff, image.red_mask) ||
                fieldOf(value, image.green_mask) != cutTo((rgb >> 8) & 0xff, image.green_mask) ||
                fieldOf(value, image.blue_mask) != cutTo(rgb & 0xff, image.blue_mask);
        }
    }
    return differing;
}

int openFiles() {
    int count = 0;
    for ([[maybe_unused]] const auto& entry :
         std::filesystem::directory_iterator("/proc/self/fd")) {
        ++count;
    }
    return count;
}

int sharedMappings() {
    std::ifstream maps("/proc/self/maps");
    int count = 0;
    for (std::string line; std::getline(maps, line);) {
        count += line.find("SYSV") != std::string::npos;
    }
    return count;
}

ServerResources::ServerResources(Display* display, const char* resources) : display(display) {
    XChangeProperty(display, DefaultRootWindow(display), XA_RESOURCE_MANAGER, XA_STRING, 8,
                    PropModeReplace, reinterpret_cast<const unsigned char*>(resources),
                    static_cast<int>(std::char_traits<char>::length(resources)));
    XSync(display, False);
}

ServerResources::~ServerResources() {
    XDeleteProperty(display, DefaultRootWindow(display), XA_RESOURCE_MANAGER);
    XSync(display, False);
}

} // namespace tarvolin::test
