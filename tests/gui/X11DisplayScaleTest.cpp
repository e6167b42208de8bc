// The density a Linux desktop tells: its Xft.dpi resource, else the
// toolkits' scale settings in the environment.

// GoogleTest comes before Xlib, whose macros (None, Bool) would break it.
#include <gtest/gtest.h>

// The toolkit before Xlib too, whose X.h names a line style as the toolkit does.
#include "gui/platform/Window.h"

#include "X11TestDisplay.h"

#include <cstdlib>
#include <optional>

namespace tarvolin {
namespace {

struct Desktop {
    const char* resources; // null: none published
    const char* gdkScale;
    const char* qtScaleFactor;
    int scale;
};

void setOrUnset(const char* name, const char* value) {
    if (value != nullptr) {
        setenv(name, value, 1);
    } else {
        unsetenv(name);
    }
}

TEST(X11DisplayScale, TheResourceDecidesAndTheEnvironmentOnlyWithoutIt) {
    const test::X11TestDisplay display(test::XvfbServer::get());
    for (const Desktop desktop : {
             Desktop{nullptr, nullptr, nullptr, 1},
             Desktop{"Xft.dpi:\t144\n", nullptr, nullptr, 2},
             Desktop{"Xft.antialias:\t1\nXft.dpi:\t192\n", nullptr, nullptr, 2},
             Desktop{"Xft.dpi:\t143\n", "2", "2", 1},
             Desktop{"Xft.dpi:\tlarge\n", "2", nullptr, 2},
             Desktop{nullptr, "2", nullptr, 2},
             Desktop{nullptr, "1", "1.5", 2},
             Desktop{nullptr, nullptr, "1.25", 1},
             Desktop{nullptr, "3", "x", 1},
         }) {
        setOrUnset("GDK_SCALE", desktop.gdkScale);
        setOrUnset("QT_SCALE_FACTOR", desktop.qtScaleFactor);
        std::optional<test::ServerResources> published;
        if (desktop.resources != nullptr) {
            published.emplace(display.display(), desktop.resources);
        }
        EXPECT_EQ(platform::displayScale(nullptr), desktop.scale)
            << (desktop.resources ? desktop.resources : "no resources") << " GDK_SCALE "
            << (desktop.gdkScale ? desktop.gdkScale : "unset") << " QT_SCALE_FACTOR "
            << (desktop.qtScaleFactor ? desktop.qtScaleFactor : "unset");
    }
    unsetenv("GDK_SCALE");
    unsetenv("QT_SCALE_FACTOR");
}

} // namespace
} // namespace tarvolin
