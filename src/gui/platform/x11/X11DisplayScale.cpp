#include "gui/DisplayScale.h"
#include "gui/platform/Window.h"
#include "gui/platform/x11/DisplayConnection.h"

#include <X11/Xresource.h>

#include <cstdlib>
#include <optional>
#include <string_view>

namespace tarvolin::platform {

namespace {

// Desktops publish their font resolution, which follows the screen's density,
// as the server's Xft.dpi resource.
std::optional<double> resourceDpi(Display* display) {
    const char* resources = XResourceManagerString(display);
    if (resources == nullptr) {
        return std::nullopt;
    }
    XrmInitialize();
    XrmDatabase database = XrmGetStringDatabase(resources);
    if (database == nullptr) {
        return std::nullopt;
    }
    std::optional<double> dpi;
    char* type = nullptr;
    XrmValue value{};
    if (XrmGetResource(database, "Xft.dpi", "Xft.Dpi", &type, &value) != 0 &&
        value.addr != nullptr) {
        char* end = nullptr;
        const double read = std::strtod(value.addr, &end);
        if (end != value.addr && read > 0.0) {
            dpi = read;
        }
    }
    XrmDestroyDatabase(database);
    return dpi;
}

// Without the resource, the toolkits' own scale settings, which users set
// for their whole session.
int environmentScale() {
    if (const char* gdk = std::getenv("GDK_SCALE");
        gdk != nullptr && std::string_view(gdk) == "2") {
        return 2;
    }
    if (const char* qt = std::getenv("QT_SCALE_FACTOR"); qt != nullptr) {
        char* end = nullptr;
        const double factor = std::strtod(qt, &end);
        if (end != qt) {
            return scaleForFactor(factor);
        }
    }
    return 1;
}

} // namespace

// The editor's own connection is not made yet when a host asks for its size,
// so a short one of its own reads the server the environment names.
int displayScale(void* /*parentWindow*/) {
    if (const DisplayConnection display = openDisplay()) {
        if (const std::optional<double> dpi = resourceDpi(display.get())) {
            return scaleForDpi(*dpi);
        }
    }
    return environmentScale();
}

} // namespace tarvolin::platform
