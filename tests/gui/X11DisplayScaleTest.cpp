// The density a Linux desktop tells: its Xft.dpi resource, else the
// toolkits' scale settings in the environment.

// GoogleTest comes before Xlib, whose macros (None, Bool) would break it.
#include <gtest/gtest.h>

// The toolkit before Xlib too, whose X.h names a line style as the toolkit does.
#include "gui/platform/Window.h"

#include "X11TestDisplay.h"

#include <cstdlib>
#include <iterator>
#include <optional>

namespace tarvolin {
namespace {

struct Desktop {
    const char* resources; // null: none published
    const char* gdkScale;  // "": as good as unset
    const char* qtScaleFactor;
    int scale;
};

constexpr Desktop kDesktops[] = {
    {nullptr, "", "", 1},
    {"Xft.dpi:\t144\n", "", "", 2},
    {"Xft.antialias:\t1\nXft.dpi:\t192\n", "", "", 2},
    {"Xft.dpi:\t143\n", "2", "2", 1},
    {"Xft.dpi:\tlarge\n", "2", "", 2},
    {nullptr, "1", "1.5", 2},
    {nullptr, "", "1.25", 1},
    {nullptr, "3", "x", 1},
};

TEST(X11DisplayScale, TheResourceDecidesAndTheEnvironmentOnlyWithoutIt) {
    const test::X11TestDisplay display(test::XvfbServer::get());
    for (const Desktop& desktop : kDesktops) {
        setenv("GDK_SCALE", desktop.gdkScale, 1);
        setenv("QT_SCALE_FACTOR", desktop.qtScaleFactor, 1);
        std::optional<test::ServerResources> published;
        if (desktop.resources != nullptr) {
            published.emplace(display.display(), desktop.resources);
        }
        EXPECT_EQ(platform::displayScale(nullptr), desktop.scale)
            << "desktop " << &desktop - std::data(kDesktops);
    }
    unsetenv("GDK_SCALE");
    unsetenv("QT_SCALE_FACTOR");
}

} // namespace
} // namespace tarvolin
