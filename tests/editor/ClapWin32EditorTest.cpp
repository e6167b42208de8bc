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

constexpr int kLeft = 40;
constexpr int kTop = 30;
constexpr clap_id kCutoff = 14;

void sendButton(DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof input);
}

// Lets the window's messages and timer run for a while, as a host's message loop does.
template <typename Done> void pumpUntil(HWND window, ClapTestHost& host, Done done) {
    for (int wait = 0; wait < 300 && !done(); ++wait) {
        test::paintAndDispatch(window);
        host.flush({});
        Sleep(10);
    }
}

int pixelsDifferingFromReference(HWND child) {
    const auto reference = test::readPpm(TARVOLIN_EDITOR_REFERENCE);
    if (!reference) {
        ADD_FAILURE() << "no " << TARVOLIN_EDITOR_REFERENCE << ": the native build draws it";
        return -1;
    }
    HDC dc = GetDC(child);
    const test::ScenePixels drawn = test::pixelsOf(dc, 676, 345);
    ReleaseDC(child, dc);
    int differing = 0;
    for (std::size_t i = 0; i < drawn.rgb.size() && i < reference->rgb.size(); ++i) {
        differing += drawn.rgb[i] != reference->rgb[i];
    }
    return differing;
}

TEST(ClapWin32Editor, ShowsTheHeadlessPictureAndItsOwnTimerCarriesAClickToTheHost) {
    const test::HostWindow parent{kLeft, kTop, 676, 345};
    const ClapModule module;
    ClapTestHost host(module);
    ClapEvents reference;
    reference.param(0, 50, kReferenceChannel / 15.0);
    for (const ReferenceSetting& setting : kReferenceSettings) {
        reference.param(0, static_cast<clap_id>(setting.index), setting.value);
    }
    host.flush(reference);
    host.sent.clear();

    EXPECT_EQ(host.extension<void>(CLAP_EXT_TIMER_SUPPORT), nullptr);
    const auto* gui = host.extension<clap_plugin_gui_t>(CLAP_EXT_GUI);
    EXPECT_TRUE(gui->is_api_supported(host.plugin, CLAP_WINDOW_API_WIN32, false));
    EXPECT_FALSE(gui->is_api_supported(host.plugin, CLAP_WINDOW_API_X11, false));
    ASSERT_TRUE(gui->create(host.plugin, CLAP_WINDOW_API_WIN32, false));
    EXPECT_TRUE(host.timers.empty());
    EXPECT_EQ(FindWindowExA(parent.handle(), nullptr, nullptr, nullptr), nullptr);
    clap_window_t window{CLAP_WINDOW_API_WIN32, {}};
    window.win32 = parent.handle();
    ASSERT_TRUE(gui->set_parent(host.plugin, &window));
    ASSERT_TRUE(gui->show(host.plugin));
    const HWND child = FindWindowExA(parent.handle(), nullptr, nullptr, nullptr);
    ASSERT_NE(child, nullptr);
    pumpUntil(parent.handle(), host, [] { return false; });
    EXPECT_EQ(pixelsDifferingFromReference(child), 0);

    // Right of the cutoff knob's centre (470, 187), on its horizontal line.
    ASSERT_NE(SetCursorPos(kLeft + 487, kTop + 187), 0);
    sendButton(MOUSEEVENTF_LEFTDOWN);
    sendButton(MOUSEEVENTF_LEFTUP);
    pumpUntil(parent.handle(), host, [&] {
        return !host.sent.empty() && host.sent.back().type == CLAP_EVENT_PARAM_GESTURE_END;
    });
    ASSERT_EQ(host.sent.size(), 3u);
    EXPECT_EQ(host.sent[0], (ClapTestHost::Sent{CLAP_EVENT_PARAM_GESTURE_BEGIN, kCutoff, 0.0}));
    EXPECT_EQ(host.sent[1].type, CLAP_EVENT_PARAM_VALUE);
    EXPECT_NEAR(host.sent[1].value, 1.0 - 0.125 * 4.0 / 3.0, 1e-6);
    EXPECT_EQ(host.sent[2], (ClapTestHost::Sent{CLAP_EVENT_PARAM_GESTURE_END, kCutoff, 0.0}));
    EXPECT_GT(host.flushRequests, 0);

    // The host sets the knob back; with no idle call from the host, the
    // window's own timer shows it.
    ClapEvents back;
    back.param(0, kCutoff, 0.25);
    host.flush(back);
    pumpUntil(parent.handle(), host, [&] { return pixelsDifferingFromReference(child) == 0; });
    EXPECT_EQ(pixelsDifferingFromReference(child), 0);

    gui->destroy(host.plugin);
    EXPECT_EQ(FindWindowExA(parent.handle(), nullptr, nullptr, nullptr), nullptr);
}

} // namespace
} // namespace tarvolin::testing
