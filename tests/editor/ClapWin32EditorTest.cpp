// Tarvolin.clap's editor in a real Windows window: no host timer, the
// window's own keeps it going.

#include "ClapTestHost.h"
#include "ReferenceState.h"
#include "ScenePixels.h"
#include "Win32TestSupport.h"

#include "clap/abi/Gui.h"
#include "clap/abi/HostServices.h"

#include <gtest/gtest.h>

namespace tarvolin::testing {
namespace {

TEST(ClapWin32Editor, ItsWindowsOwnTimerShowsWhatTheHostSets) {
    const test::HostWindow parent{40, 30, 676, 345};
    const ClapModule module;
    ClapTestHost host(module);
    ClapEvents reference;
    reference.param(0, 50, kReferenceChannel / 15.0);
    for (const ReferenceSetting& setting : kReferenceSettings) {
        reference.param(0, static_cast<clap_id>(setting.index), setting.value);
    }
    reference.param(0, 14, 0.9);
    host.flush(reference);
    EXPECT_EQ(host.extension<void>(CLAP_EXT_TIMER_SUPPORT), nullptr);
    const auto* gui = host.extension<clap_plugin_gui_t>(CLAP_EXT_GUI);
    EXPECT_FALSE(gui->is_api_supported(host.plugin, CLAP_WINDOW_API_X11, false));
    ASSERT_TRUE(gui->create(host.plugin, CLAP_WINDOW_API_WIN32, false));
    clap_window_t window{CLAP_WINDOW_API_WIN32, {}};
    window.win32 = parent.handle();
    ASSERT_TRUE(gui->set_parent(host.plugin, &window));
    const HWND child = FindWindowExA(parent.handle(), nullptr, nullptr, nullptr);
    ASSERT_NE(child, nullptr);
    EXPECT_TRUE(host.timers.empty());

    // The host sets the cutoff knob to the reference state's value while the
    // editor shows; it never idles the editor.
    ClapEvents cutoff;
    cutoff.param(0, 14, 0.25);
    host.flush(cutoff);
    for (int wait = 0;
         wait < 300 && test::windowPixelsDiffering(child, TARVOLIN_EDITOR_REFERENCE) != 0; ++wait) {
        test::paintAndDispatch(parent.handle());
        Sleep(10);
    }
    EXPECT_EQ(test::windowPixelsDiffering(child, TARVOLIN_EDITOR_REFERENCE), 0);
    gui->destroy(host.plugin);
    EXPECT_EQ(FindWindowExA(parent.handle(), nullptr, nullptr, nullptr), nullptr);
}

} // namespace
} // namespace tarvolin::testing
