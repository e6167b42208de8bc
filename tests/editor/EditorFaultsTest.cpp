// Hosts that close, reopen and idle the editor at awkward moments.

#include "EditorSession.h"

#include <gtest/gtest.h>

namespace tarvolin {
namespace {

using testing::EditorSession;
using testing::HostRequest;

constexpr Point kCutoffCentre{470, 187};

int idles(const EditorSession& session) {
    return static_cast<int>(session.recorder.requestsWith(audioMasterIdle).size());
}

TEST(EditorFaults, OpeningWithoutAWindowOrAChildWindowLeavesNothingOpen) {
    EditorSession session;
    EXPECT_EQ(session.plugin.dispatch(effEditOpen), 0);
    session.window.refuseChildWindows(true);
    EXPECT_EQ(session.open(), 0);
    EXPECT_EQ(session.window.childCount(), 0);
    session.idle();
    session.window.refuseChildWindows(false);
    EXPECT_EQ(session.open(), 1);
    EXPECT_EQ(session.window.childCount(), 1);
}

TEST(EditorFaults, OpeningTwiceClosesTheFirstFrame) {
    EditorSession session;
    ASSERT_EQ(session.open(), 1);
    ASSERT_EQ(session.open(), 1);
    EXPECT_EQ(session.window.childCount(), 1);
    session.click({487, 187});
    EXPECT_EQ(session.automations().size(), 1u);
}

TEST(EditorFaults, ClosingTheInstanceWithItsEditorOpenTakesTheWindowAlong) {
    EditorSession session;
    ASSERT_EQ(session.open(), 1);
    session.plugin.close();
    EXPECT_EQ(session.window.childCount(), 0);
    EXPECT_EQ(session.window.child(), nullptr);
}

TEST(EditorFaults, ManyOpenAndCloseCyclesKeepNothing) {
    EditorSession session;
    for (int cycle = 0; cycle < 200; ++cycle) {
        ASSERT_EQ(session.open(), 1);
        session.idle();
        session.plugin.dispatch(effEditClose);
    }
    EXPECT_EQ(session.window.childCount(), 0);
}

TEST(EditorFaults, TrackingIdlesAtMostEveryFiftyMilliseconds) {
    EditorSession session;
    ASSERT_EQ(session.open(), 1);
    // Each poll of the buttons takes 30 ms: passes at 30, 60, 90, 120 and 150 ms.
    session.window.setClockStepPerPoll(30);
    session.drag(kCutoffCentre, {kCutoffCentre, kCutoffCentre, kCutoffCentre, kCutoffCentre});
    EXPECT_EQ(idles(session), 2);
}

TEST(EditorFaults, AClockThatWrapsRoundKeepsTheTrackingIdles) {
    EditorSession session;
    session.window.setClock(0xffffff00u);
    ASSERT_EQ(session.open(), 1);
    session.window.setClockStepPerPoll(300);
    session.drag(kCutoffCentre, {kCutoffCentre, kCutoffCentre});
    EXPECT_EQ(idles(session), 3);
}

// The host closes the editor when it hears the request.
void closeOn(EditorSession& session, VstInt32 opcode) {
    session.recorder.onRequest = [&session, opcode](const HostRequest& request) {
        if (request.opcode == opcode) {
            session.plugin.dispatch(effEditClose);
        }
    };
}

TEST(EditorFaults, AHostClosingTheEditorWhileAKnobTracksEndsTheDrag) {
    for (const VstInt32 opcode : {audioMasterIdle, audioMasterAutomate}) {
        EditorSession session;
        ASSERT_EQ(session.open(), 1);
        session.window.setClockStepPerPoll(60);
        closeOn(session, opcode);
        session.drag(kCutoffCentre, {{487, 187}, {453, 187}, {470, 170}});
        EXPECT_EQ(session.window.childCount(), 0) << opcode;
        EXPECT_LE(session.window.buttonPolls(), 2) << opcode;
        session.recorder.onRequest = nullptr;
        EXPECT_EQ(session.open(), 1);
    }
}

} // namespace
} // namespace tarvolin
