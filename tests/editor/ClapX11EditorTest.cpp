// Tarvolin.clap's editor in a host's X window, driven through the host's
// timer as CLAP hosts on Linux drive it, against the headless VST 2 editor.

// GoogleTest comes before Xlib, whose macros (None, Bool) would break it.
#include <gtest/gtest.h>

#include "ClapTestHost.h"
#include "EditorSession.h"
#include "ReferenceState.h"
#include "X11TestDisplay.h"

#include "clap/abi/Gui.h"
#include "clap/abi/HostServices.h"
#include "clap/abi/Params.h"

#include <chrono>
#include <cstdlib>
#include <thread>

namespace tarvolin::testing {
namespace {

constexpr int kCutoff = 14;
constexpr Point kCutoffCorner{480, 197}; // ten pixels right of and below the knob's centre
constexpr Point kCorner{300, 250};

void flushReferenceState(ClapTestHost& host) {
    ClapEvents reference;
    reference.param(0, 50, kReferenceChannel / 15.0);
    for (const ReferenceSetting& setting : kReferenceSettings) {
        reference.param(0, static_cast<clap_id>(setting.index), setting.value);
    }
    host.flush(reference);
}

TEST(ClapX11Editor, ShowsTheHeadlessPictureAndAClickOnAKnobIsOneGestureToTheHost) {
    platform::PixelBuffer expectedFirst, expectedAfter;
    std::vector<float> expectedValues;
    {
        EditorSession headless;
        applyReferenceState(headless.plugin);
        headless.open();
        headless.idle();
        expectedFirst = headless.pixels();
        headless.recorder.clear();
        headless.click(kCutoffCorner);
        headless.idle();
        expectedAfter = headless.pixels();
        for (const auto& request : headless.automations()) {
            expectedValues.push_back(request.opt);
        }
    }
    ASSERT_FALSE(expectedValues.empty());

    const test::X11TestDisplay display(test::XvfbServer::get());
    const ::Window parent =
        display.openWindow({kCorner.h, kCorner.v, kCorner.h + 676, kCorner.v + 345});
    const ClapModule module;
    ClapTestHost host(module);
    flushReferenceState(host);
    host.sent.clear();

    const auto* gui = host.extension<clap_plugin_gui_t>(CLAP_EXT_GUI);
    const auto* timer = host.extension<clap_plugin_timer_support_t>(CLAP_EXT_TIMER_SUPPORT);
    EXPECT_FALSE(gui->is_api_supported(host.plugin, CLAP_WINDOW_API_X11, true));
    for (int opening = 0; opening < 2; ++opening) {
        ASSERT_TRUE(gui->create(host.plugin, CLAP_WINDOW_API_X11, false));
        std::uint32_t width = 0, height = 0;
        ASSERT_TRUE(gui->get_size(host.plugin, &width, &height));
        EXPECT_EQ(std::make_pair(width, height), std::make_pair(676u, 345u));
        EXPECT_EQ(host.timers.size(), 1u);
        EXPECT_TRUE(display.childrenOf(parent).empty());
        clap_window_t window{CLAP_WINDOW_API_X11, {}};
        window.x11 = parent;
        ASSERT_TRUE(gui->set_parent(host.plugin, &window));
        ASSERT_TRUE(gui->show(host.plugin));
        EXPECT_EQ(host.fds.size(), 1u);
        const std::vector<::Window> children = display.childrenOf(parent);
        ASSERT_EQ(children.size(), 1u);
        EXPECT_EQ(
            test::pixelsDiffering(*display.picture(children[0], {0, 0, 676, 345}), expectedFirst),
            0);
        if (opening == 1) {
            display.moveTo({kCorner.h + kCutoffCorner.h, kCorner.v + kCutoffCorner.v});
            display.button(Button1, true);
            display.button(Button1, false);
            for (int idles = 0;
                 idles < 300 &&
                 (host.sent.empty() || host.sent.back().type != CLAP_EVENT_PARAM_GESTURE_END);
                 ++idles) {
                timer->on_timer(host.plugin, host.timers[0]);
                host.flush({});
                std::this_thread::sleep_for(std::chrono::milliseconds(16));
            }
            timer->on_timer(host.plugin, host.timers[0]);
            std::vector<ClapTestHost::Sent> expected{
                {CLAP_EVENT_PARAM_GESTURE_BEGIN, kCutoff, 0.0}};
            for (const float value : expectedValues) {
                expected.push_back({CLAP_EVENT_PARAM_VALUE, kCutoff, value});
            }
            expected.push_back({CLAP_EVENT_PARAM_GESTURE_END, kCutoff, 0.0});
            EXPECT_EQ(host.sent, expected);
            EXPECT_EQ(test::pixelsDiffering(*display.picture(children[0], {0, 0, 676, 345}),
                                            expectedAfter),
                      0);
        }
        ASSERT_TRUE(gui->hide(host.plugin));
        XWindowAttributes attributes{};
        ASSERT_NE(XGetWindowAttributes(display.display(), children[0], &attributes), 0);
        EXPECT_EQ(attributes.map_state, IsUnmapped);
        gui->destroy(host.plugin);
        EXPECT_TRUE(host.timers.empty());
        EXPECT_TRUE(host.fds.empty());
        EXPECT_TRUE(display.childrenOf(parent).empty());
    }
}

// The host's scale chooses the density, 1.5 and above the pictures drawn at
// twice the resolution, until the editor is shown; the user's word beats it.
TEST(ClapX11Editor, TheHostsScaleChoosesTheDensityBeforeTheEditorIsShown) {
    EditorSession headless;
    headless.window.setDisplayScale(2);
    applyReferenceState(headless.plugin);
    headless.open();
    headless.idle();

    const test::X11TestDisplay display(test::XvfbServer::get());
    const ::Window parent = display.openWindow({100, 100, 100 + 1352, 100 + 690});
    const ClapModule module;
    ClapTestHost host(module);
    flushReferenceState(host);
    const auto* gui = host.extension<clap_plugin_gui_t>(CLAP_EXT_GUI);
    std::uint32_t width = 0, height = 0;
    ASSERT_TRUE(gui->create(host.plugin, CLAP_WINDOW_API_X11, false));
    EXPECT_TRUE(gui->set_scale(host.plugin, 1.25));
    EXPECT_TRUE(gui->get_size(host.plugin, &width, &height) && width == 676 && height == 345);
    setenv("TARVOLIN_EDITOR_SCALE", "1", 1);
    EXPECT_FALSE(gui->set_scale(host.plugin, 2.0));
    unsetenv("TARVOLIN_EDITOR_SCALE");
    EXPECT_TRUE(gui->set_scale(host.plugin, 1.5));
    EXPECT_TRUE(gui->get_size(host.plugin, &width, &height) && width == 1352 && height == 690);
    clap_window_t window{CLAP_WINDOW_API_X11, {}};
    window.x11 = parent;
    ASSERT_TRUE(gui->set_parent(host.plugin, &window));
    EXPECT_FALSE(gui->set_scale(host.plugin, 1.0));
    const std::vector<::Window> children = display.childrenOf(parent);
    ASSERT_EQ(children.size(), 1u);
    EXPECT_EQ(
        test::pixelsDiffering(*display.picture(children[0], {0, 0, 1352, 690}), headless.pixels()),
        0);
    gui->destroy(host.plugin);
}

} // namespace
} // namespace tarvolin::testing
