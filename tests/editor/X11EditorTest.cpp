// The Linux module's editor in a host's X window: its window, its picture
// against the headless module's, and the user's mouse through XTest.

// GoogleTest comes before Xlib, whose macros (None, Bool) would break it.
#include <gtest/gtest.h>

#include "EditorSession.h"
#include "ReferenceState.h"
#include "X11EditorSession.h"

#include <chrono>
#include <functional>
#include <thread>
#include <tuple>

#include <X11/extensions/XShm.h>

namespace tarvolin {
namespace {

using testing::EditorSession;
using testing::X11EditorSession;

constexpr Rect kEditorArea{0, 0, 676, 345};
constexpr int kCutoff = 14;
constexpr Point kCutoffCentre{470, 187};
constexpr Point kLfoRestart{222, 26};

Point fromCentre(int right, int down) {
    return {kCutoffCentre.h + right, kCutoffCentre.v + down};
}

// What the headless module's editor shows and tells its host after the same steps.
struct Headless {
    platform::PixelBuffer picture;
    std::vector<std::pair<VstInt32, float>> automations;
};

Headless headlessAfter(const std::function<void(EditorSession&)>& steps, int scale = 1) {
    EditorSession session;
    session.window.setDisplayScale(scale);
    testing::applyReferenceState(session.plugin);
    session.open();
    session.idle();
    steps(session);
    session.idle();
    Headless outcome{session.pixels(), {}};
    for (const auto& request : session.automations()) {
        outcome.automations.emplace_back(request.index, request.opt);
    }
    return outcome;
}

std::vector<std::pair<VstInt32, float>> automationsOf(const X11EditorSession& session) {
    std::vector<std::pair<VstInt32, float>> values;
    for (const auto& request : session.automations()) {
        values.emplace_back(request.index, request.opt);
    }
    return values;
}

TEST(X11Editor, OpensAFixedSizeChildOfTheHostsWindow) {
    X11EditorSession session;
    EXPECT_EQ(session.plugin.record()->flags,
              effFlagsHasEditor | effFlagsCanReplacing | effFlagsProgramChunks | effFlagsIsSynth);
    ERect* size = nullptr;
    ASSERT_EQ(session.plugin.dispatch(effEditGetRect, 0, 0, &size), 1);
    EXPECT_EQ(std::tie(size->top, size->left, size->bottom, size->right),
              std::make_tuple(0, 0, 345, 676));

    ASSERT_EQ(session.open(), 1);
    Display* display = session.host.display();
    ASSERT_EQ(session.host.childrenOf(session.parent).size(), 1u);
    XWindowAttributes attributes{};
    ASSERT_NE(XGetWindowAttributes(display, session.child(), &attributes), 0);
    EXPECT_EQ(std::tie(attributes.x, attributes.y, attributes.width, attributes.height),
              std::make_tuple(0, 0, 676, 345));
    EXPECT_EQ(attributes.map_state, IsViewable);
    EXPECT_EQ(attributes.visual, DefaultVisual(display, DefaultScreen(display)));
    EXPECT_NE(attributes.colormap, DefaultColormap(display, DefaultScreen(display)));
    XSizeHints hints{};
    long supplied = 0;
    ASSERT_NE(XGetWMNormalHints(display, session.child(), &hints, &supplied), 0);
    EXPECT_EQ(hints.flags & (PMinSize | PMaxSize), PMinSize | PMaxSize);
    EXPECT_EQ(std::tie(hints.min_width, hints.min_height, hints.max_width, hints.max_height),
              std::make_tuple(676, 345, 676, 345));

    session.plugin.dispatch(effEditClose);
    EXPECT_TRUE(session.host.childrenOf(session.parent).empty());
}

struct ServerKind {
    int depth;
    bool sharedMemory;
};

class X11EditorPixels : public ::testing::TestWithParam<ServerKind> {};

// The first picture is there when effEditOpen returns, without an idle; what
// changes later is sent in pieces, which must fit together exactly.
TEST_P(X11EditorPixels, LookExactlyLikeTheHeadlessEditor) {
    const auto setLater = [](const host::PluginInstance& plugin) {
        plugin.setParameter(kCutoff, 0.9f);
        plugin.setParameter(6, 0.0f);
        plugin.setParameter(22, 0.0f);
        plugin.setParameter(0, 0.3f);
    };
    const Headless first = headlessAfter([](EditorSession&) {});
    const Headless later = headlessAfter([&](EditorSession& s) { setLater(s.plugin); });

    const auto& server = test::XvfbServer::get(GetParam().depth, GetParam().sharedMemory);
    const int mappingsBefore = test::sharedMappings();
    X11EditorSession session(server);
    int extensionCodes[3];
    EXPECT_EQ(XQueryExtension(session.host.display(), "MIT-SHM", &extensionCodes[0],
                              &extensionCodes[1], &extensionCodes[2]) != 0,
              GetParam().sharedMemory);
    testing::applyReferenceState(session.plugin);
    ASSERT_EQ(session.open(), 1);
    EXPECT_EQ(session.picture()->depth, GetParam().depth);
    EXPECT_EQ(test::pixelsDiffering(*session.picture(), first.picture), 0);
    // The image goes through shared memory exactly when the server offers it.
    EXPECT_EQ(test::sharedMappings() > mappingsBefore, GetParam().sharedMemory);

    setLater(session.plugin);
    session.idle();
    EXPECT_EQ(test::pixelsDiffering(*session.picture(), later.picture), 0);
    session.plugin.dispatch(effEditClose);
    EXPECT_EQ(test::sharedMappings(), mappingsBefore);
}

INSTANTIATE_TEST_SUITE_P(Screens, X11EditorPixels,
                         ::testing::Values(ServerKind{24, true}, ServerKind{24, false},
                                           ServerKind{16, true}),
                         [](const auto& info) {
                             return "Depth" + std::to_string(info.param.depth) +
                                    (info.param.sharedMemory ? "Shared" : "Unshared");
                         });

// Press, drag far outside the editor and release: the automatic grab keeps
// the drag alive, and the host hears exactly what the headless module tells.
TEST(X11Editor, DragsTellTheHostWhatTheHeadlessEditorTells) {
    const auto gestures = [](auto& session) {
        session.drag(kCutoffCentre,
                     {fromCentre(400, 0), fromCentre(-150, -150), fromCentre(0, -180)});
        session.drag({264, 60}, {{264, 0}});
        session.drag({264, 60}, {{900, 300}});
    };
    const Headless expected = headlessAfter([&](EditorSession& s) {
        s.recorder.clear();
        gestures(s);
    });
    ASSERT_EQ(expected.automations.size(), 8u);

    X11EditorSession session;
    testing::applyReferenceState(session.plugin);
    ASSERT_EQ(session.open(), 1);
    session.recorder.clear();
    gestures(session);
    EXPECT_TRUE(session.idleUntil([&] { return session.automations().size() >= 8; }));
    session.idle();
    EXPECT_EQ(automationsOf(session), expected.automations);
    EXPECT_NEAR(session.plugin.getParameter(kCutoff), 0.5f, 1e-6f);
    EXPECT_EQ(session.plugin.getParameter(6), 1.0f);
    EXPECT_EQ(test::pixelsDiffering(*session.picture(), expected.picture), 0);
}

// The knobs have no use for the wheel: its turns touch nothing.
TEST(X11Editor, AltClickSetsAKnobBackToTheMiddleAndTheWheelTurnsNothing) {
    X11EditorSession session;
    session.plugin.setParameter(kCutoff, 0.9f);
    ASSERT_EQ(session.open(), 1);
    session.recorder.clear();
    for (const unsigned wheel : {Button4, Button5}) {
        session.press(fromCentre(10, 10), wheel);
        session.release(wheel);
    }
    session.host.key(XK_Alt_L, true);
    session.click(fromCentre(10, 10));
    session.host.key(XK_Alt_L, false);
    EXPECT_TRUE(session.idleUntil([&] { return !session.automations().empty(); }));
    session.idle();
    EXPECT_EQ(automationsOf(session), (std::vector<std::pair<VstInt32, float>>{{kCutoff, 0.5f}}));
}

// Hosts idle their editors every 16 to 66 milliseconds; a click shows by the next idle.
TEST(X11Editor, AClickShowsByTheNextIdleAtEveryHostRate) {
    const Rect toggle{217, 21, 227, 32};
    const Headless flipped[] = {
        headlessAfter([](EditorSession& s) { s.click(kLfoRestart); }),
        headlessAfter([](EditorSession& s) {
            s.click(kLfoRestart);
            s.click(kLfoRestart);
        }),
    };
    X11EditorSession session;
    testing::applyReferenceState(session.plugin);
    ASSERT_EQ(session.open(), 1);
    const float before = session.plugin.getParameter(22);
    int clicks = 0;
    for (const int interval : {16, 40, 66}) {
        session.click(kLfoRestart);
        ++clicks;
        std::this_thread::sleep_for(std::chrono::milliseconds(interval));
        session.idle();
        EXPECT_EQ(session.plugin.getParameter(22), clicks % 2 == 1 ? 1.0f - before : before)
            << interval << " ms";
        EXPECT_EQ(test::pixelsDiffering(*session.picture(toggle), flipped[(clicks + 1) % 2].picture,
                                        toggle.topLeft()),
                  0)
            << interval << " ms";
    }
}

// A desktop at 192 dots per inch: the editor tells the host twice the size,
// shows what the headless editor shows at scale 2, and a click on the last
// device pixel right of the knob's centre turns it as the logical point does.
TEST(X11Editor, OnADenseScreenItOpensAtTwiceTheSizeAndClicksLandAsAtOne) {
    const Point click = fromCentre(17, 0);
    const Point lastDevicePixel{click.h * 2 + 1, click.v * 2 + 1};
    const Headless first = headlessAfter([](EditorSession&) {}, 2);
    const Headless clicked = headlessAfter([&](EditorSession& s) { s.click(lastDevicePixel); }, 2);
    ASSERT_EQ(first.picture.width(), 1352);

    X11EditorSession session(test::XvfbServer::get(), {100, 100}, 2);
    const test::ServerResources dense(session.host.display(), "Xft.dpi:\t192\n");
    ERect* size = nullptr;
    ASSERT_EQ(session.plugin.dispatch(effEditGetRect, 0, 0, &size), 1);
    EXPECT_EQ(std::tie(size->right, size->bottom), std::make_tuple(1352, 690));
    testing::applyReferenceState(session.plugin);
    ASSERT_EQ(session.open(), 1);
    const Rect whole{0, 0, 1352, 690};
    EXPECT_EQ(test::pixelsDiffering(*session.picture(whole), first.picture), 0);

    session.recorder.clear();
    session.click(lastDevicePixel);
    EXPECT_TRUE(session.idleUntil([&] { return !session.automations().empty(); }));
    session.idle();
    EXPECT_EQ(automationsOf(session), clicked.automations);
    EXPECT_NEAR(session.plugin.getParameter(kCutoff), 1.0f - 0.125f * 4.0f / 3.0f, 1e-6f);
    EXPECT_EQ(test::pixelsDiffering(*session.picture(whole), clicked.picture), 0);
}

} // namespace
} // namespace tarvolin
