// Linux hosts open, close, idle and tear down editors in every order; none
// of it may leave anything behind or reach Xlib's default error handler,
// which would end the host.

// GoogleTest comes before Xlib, whose macros (None, Bool) would break it.
#include <gtest/gtest.h>

#include "X11EditorSession.h"

#include <cstdlib>

namespace tarvolin {
namespace {

using testing::X11EditorSession;

constexpr Point kCutoffCentre{470, 187};
constexpr int kCutoff = 14;

// What an editor holds while it is open: a connection and a shared image.
struct Held {
    int files = test::openFiles();
    int mappings = test::sharedMappings();
    bool operator==(const Held&) const = default;
};

class X11EditorHosts : public ::testing::Test {
protected:
    void TearDown() override { EXPECT_EQ(test::X11TestDisplay::strayErrors(), 0); }

    X11EditorSession session;
    Held before;
};

TEST_F(X11EditorHosts, FiftyOpenAndCloseCyclesLeaveNothingBehind) {
    for (int cycle = 0; cycle < 50; ++cycle) {
        ASSERT_EQ(session.open(), 1) << cycle;
        session.idle();
        ASSERT_NE(session.child(), None) << cycle;
        session.plugin.dispatch(effEditClose);
        ASSERT_EQ(session.child(), None) << cycle;
    }
    EXPECT_EQ(Held(), before);
}

TEST_F(X11EditorHosts, OpeningTwiceKeepsOneWindowAndClosingEndsIt) {
    ASSERT_EQ(session.open(), 1);
    ASSERT_EQ(session.open(), 1);
    EXPECT_EQ(session.host.childrenOf(session.parent).size(), 1u);
    session.plugin.dispatch(effEditClose);
    EXPECT_TRUE(session.host.childrenOf(session.parent).empty());
    EXPECT_EQ(Held(), before);
}

TEST_F(X11EditorHosts, ClosingAndIdlingWithoutAnEditorDoNothing) {
    EXPECT_EQ(session.plugin.dispatch(effEditClose), 0);
    EXPECT_EQ(session.plugin.dispatch(effEditIdle), 0);
    EXPECT_EQ(session.child(), None);
    EXPECT_EQ(session.open(), 1);
}

TEST_F(X11EditorHosts, ClosingTheInstanceTakesTheEditorAlong) {
    ASSERT_EQ(session.open(), 1);
    session.idle();
    session.plugin.close();
    EXPECT_EQ(session.child(), None);
    EXPECT_EQ(Held(), before);
}

// The window goes with the host's, whether or not an idle came between.
TEST_F(X11EditorHosts, AHostDestroyingItsWindowBeforeTheCloseIsAbsorbed) {
    for (const bool idleBetween : {true, false}) {
        const ::Window window = session.host.openWindow({0, 0, 700, 400});
        ASSERT_EQ(session.openIn(window), 1);
        XDestroyWindow(session.host.display(), window);
        session.host.sync();
        if (idleBetween) {
            session.idle();
            session.idle();
        }
        session.plugin.dispatch(effEditClose);
        EXPECT_EQ(Held(), before) << idleBetween;
    }
    ASSERT_EQ(session.open(), 1);
}

TEST_F(X11EditorHosts, AHostHidingItsWindowBeforeTheCloseIsAbsorbed) {
    ASSERT_EQ(session.open(), 1);
    XUnmapWindow(session.host.display(), session.parent);
    session.host.sync();
    session.idle();
    session.plugin.setParameter(kCutoff, 0.1f);
    session.idle();
    XMapWindow(session.host.display(), session.parent);
    session.host.sync();
    session.idle();
    session.plugin.dispatch(effEditClose);
    EXPECT_EQ(Held(), before);
}

TEST_F(X11EditorHosts, WithoutAServerOrAWindowNothingOpens) {
    const std::string display = std::getenv("DISPLAY");
    unsetenv("DISPLAY");
    EXPECT_EQ(session.open(), 0);
    setenv("DISPLAY", ":4321", 1);
    EXPECT_EQ(session.open(), 0);
    setenv("DISPLAY", display.c_str(), 1);
    // A number that is no window on the server, and a window already destroyed.
    EXPECT_EQ(session.openIn(0x3fffff), 0);
    const ::Window gone = session.host.openWindow({0, 0, 10, 10});
    XDestroyWindow(session.host.display(), gone);
    session.host.sync();
    EXPECT_EQ(session.openIn(gone), 0);
    EXPECT_EQ(session.child(), None);
    EXPECT_EQ(Held(), before);
    EXPECT_EQ(session.open(), 1);
}

// Each editor has a connection of its own: a click in one reaches that one only.
TEST_F(X11EditorHosts, TwoInstancesIdledInTurnKeepToThemselves) {
    const ::Window otherWindow = session.host.openWindow({0, 600, 676, 945});
    host::PluginInstance other(testing::builtModule(), testing::RecordingHost::callback());
    const float untouched = other.getParameter(kCutoff);
    ASSERT_EQ(session.open(), 1);
    ASSERT_EQ(other.dispatch(effEditOpen, 0, 0, testing::asPointer(otherWindow)), 1);
    session.click({kCutoffCentre.h + 17, kCutoffCentre.v});
    EXPECT_TRUE(session.idleUntil([&] {
        other.dispatch(effEditIdle);
        return !session.automations().empty();
    }));
    EXPECT_NEAR(session.plugin.getParameter(kCutoff), 1.0f - 0.125f * 4.0f / 3.0f, 1e-6f);
    EXPECT_EQ(other.getParameter(kCutoff), untouched);
    other.dispatch(effEditClose);
    session.plugin.dispatch(effEditClose);
    EXPECT_EQ(Held(), before);
}

} // namespace
} // namespace tarvolin
