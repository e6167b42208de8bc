#include "gui/platform/headless/HeadlessWindow.h"

#include "gui/platform/headless/HeadlessEditField.h"
#include "gui/platform/headless/HeadlessHost.h"
#include "gui/platform/raster/RasterSurface.h"

#include <set>
#include <string>

namespace tarvolin::platform {

namespace {

struct ClassRegistry {
    std::set<std::string> names;
    int registrations = 0;
};

ClassRegistry& classRegistry() {
    static ClassRegistry registry;
    return registry;
}

// The clock of the program whose host the latest window was made in.
HeadlessClock* processClock = nullptr;

} // namespace

std::uint32_t milliseconds() {
    return (processClock != nullptr ? *processClock : HeadlessClock::process()).now();
}

int headlessClassRegistrations() {
    return classRegistry().registrations;
}

bool headlessClassRegistered(const char* className) {
    return className != nullptr && classRegistry().names.count(className) != 0;
}

bool registerWindowClass(const char* className) {
    if (className == nullptr) {
        return false;
    }
    ++classRegistry().registrations;
    return classRegistry().names.insert(className).second;
}

void unregisterWindowClass(const char* className) {
    if (className != nullptr) {
        classRegistry().names.erase(className);
    }
}

// Without a host window there is no screen to ask.
int displayScale(void* parentWindow) {
    return parentWindow != nullptr ? static_cast<HeadlessHost*>(parentWindow)->displayScale() : 1;
}

std::unique_ptr<Window> createChildWindow(void* parentWindow, const char* className, int width,
                                          int height, WindowClient& client) {
    if (parentWindow == nullptr || !headlessClassRegistered(className)) {
        return nullptr;
    }
    auto& host = *static_cast<HeadlessHost*>(parentWindow);
    if (host.refusesChildWindows()) {
        return nullptr;
    }
    processClock = &host.clock();
    return std::make_unique<HeadlessWindow>(host, className, width, height, client);
}

HeadlessWindow::HeadlessWindow(HeadlessHost& host, const char* className, int width, int height,
                               WindowClient& client)
    : host(host), className(className), client(&client), content(width, height) {
    host.currentChild = this;
    ++host.children;
}

HeadlessWindow::~HeadlessWindow() {
    client = nullptr;
    --host.children;
    if (host.currentChild == this) {
        host.currentChild = nullptr;
    }
}

void HeadlessWindow::paint() {
    if (alive && client != nullptr) {
        RasterSurface target(content);
        client->paint(target);
    }
}

void HeadlessWindow::press(Point where) {
    if (alive && client != nullptr) {
        RasterSurface target(content);
        client->buttonDown(target, where);
    }
}

void HeadlessWindow::destroy() {
    if (alive && client != nullptr) {
        alive = false;
        client->windowDestroyed();
    }
    alive = false;
}

std::unique_ptr<Surface> HeadlessWindow::surface() {
    return alive ? std::make_unique<RasterSurface>(content) : nullptr;
}

std::unique_ptr<Surface> HeadlessWindow::offscreen(int width, int height) {
    return std::make_unique<OffscreenRasterSurface>(width, height);
}

int HeadlessWindow::mouseButtons() {
    return host.pollButtons();
}

Point HeadlessWindow::mouseLocation() const {
    return host.mouseLocation();
}

Point HeadlessWindow::screenOrigin() const {
    return host.screenOrigin();
}

std::unique_ptr<EditField> HeadlessWindow::createEditField(const Rect& rect, std::string_view text,
                                                           const EditFieldStyle& style,
                                                           EditFieldClient& client) {
    if (!alive) {
        return nullptr;
    }
    return std::make_unique<HeadlessEditField>(host, rect, text, style, client);
}

int HeadlessWindow::popUpMenu(std::span<const MenuEntry> entries, Point position) {
    if (!alive) {
        return kNoMenuChoice;
    }
    ShownMenu menu;
    menu.position = position;
    for (const MenuEntry& entry : entries) {
        menu.lines.push_back({std::string(entry.text), entry.separator, entry.checked});
    }
    // The user may close the editor and so destroy this window while choosing.
    HeadlessHost& user = host;
    return user.showMenu(menu);
}

void* HeadlessWindow::nativeHandle() const {
    return const_cast<HeadlessWindow*>(this);
}

} // namespace tarvolin::platform
