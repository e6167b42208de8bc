#include "X11EditorSession.h"

#include <chrono>
#include <cstdint>
#include <thread>

namespace tarvolin::testing {

namespace {

constexpr auto kIdleInterval = std::chrono::milliseconds(16);
constexpr int kIdlesAtMost = 300;

} // namespace

void* asPointer(::Window window) {
    return reinterpret_cast<void*>(static_cast<std::uintptr_t>(window));
}

X11EditorSession::X11EditorSession(const test::XvfbServer& server, Point corner, int scale)
    : host(server), corner(corner),
      parent(
          host.openWindow({corner.h, corner.v, corner.h + 676 * scale, corner.v + 345 * scale})) {}

VstIntPtr X11EditorSession::openIn(::Window window) const {
    return plugin.dispatch(effEditOpen, 0, 0, asPointer(window));
}

bool X11EditorSession::idleUntil(const std::function<bool()>& done) const {
    for (int idles = 0; idles < kIdlesAtMost; ++idles) {
        idle();
        if (done()) {
            return true;
        }
        std::this_thread::sleep_for(kIdleInterval);
    }
    return done();
}

::Window X11EditorSession::child() const {
    const std::vector<::Window> children = host.childrenOf(parent);
    return children.empty() ? None : children.front();
}

test::ServerImage X11EditorSession::picture(const Rect& area) const {
    return host.picture(child(), area);
}

void X11EditorSession::press(Point where, unsigned button) const {
    moveTo(where);
    host.button(button, true);
}

void X11EditorSession::release(unsigned button) const {
    host.button(button, false);
}

void X11EditorSession::moveTo(Point where) const {
    host.moveTo({corner.h + where.h, corner.v + where.v});
}

void X11EditorSession::click(Point where) const {
    press(where);
    release();
}

void X11EditorSession::drag(Point where, std::initializer_list<Point> path) const {
    press(where);
    for (const Point point : path) {
        moveTo(point);
    }
    release();
}

} // namespace tarvolin::testing
