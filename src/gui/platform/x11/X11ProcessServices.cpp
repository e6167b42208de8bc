#include "gui/platform/Window.h"
#include "gui/platform/x11/X11Window.h"

#include <cstdint>
#include <ctime>

namespace tarvolin::platform {

std::uint32_t milliseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    const auto total = static_cast<std::uint64_t>(now.tv_sec) * 1000u +
                       static_cast<std::uint64_t>(now.tv_nsec) / 1000000u;
    return static_cast<std::uint32_t>(total);
}

// X has no window classes to register: each window carries the name itself.
bool registerWindowClass(const char* className) {
    return className != nullptr;
}

void unregisterWindowClass(const char* /*className*/) {}

// The host's window is an X window number in the pointer; the number alone
// names no server, so the editor reaches the one the environment names.
std::unique_ptr<Window> createChildWindow(void* parentWindow, const char* className, int width,
                                          int height, WindowClient& client) {
    const auto parent = static_cast<::Window>(reinterpret_cast<std::uintptr_t>(parentWindow));
    return X11Window::create(parent, className, width, height, client);
}

} // namespace tarvolin::platform
