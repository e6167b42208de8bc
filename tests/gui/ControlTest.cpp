#include "TestViews.h"

#include "gui/Frame.h"
#include "gui/MouseButtons.h"
#include "gui/platform/headless/HeadlessHost.h"
#include "gui/platform/headless/HeadlessWindow.h"

#include <gtest/gtest.h>

#include <memory>

namespace tarvolin {
namespace {

using platform::MouseState;

class ControlTracking : public ::testing::Test {
protected:
    platform::HeadlessHost host;
    test::CountingEditor editor;
    test::RecordingListener listener;
    std::unique_ptr<Frame> frame = std::make_unique<Frame>(Rect(0, 0, 100, 100), &host, &editor);
    test::TestSlider* slider = addSlider();

    test::TestSlider* addSlider() {
        auto* control = new test::TestSlider({0, 0, 100, 100}, &listener, 7);
        frame->addView(control);
        return control;
    }
    void press(Point where) { host.child()->press(where); }
};

TEST_F(ControlTracking, StartsWithTheDocumentedValues) {
    EXPECT_EQ(slider->getValue(), 0.0f);
    EXPECT_EQ(slider->getDrawnValue(), -1.0f);
    EXPECT_EQ(slider->getDefaultValue(), 0.5f);
    EXPECT_EQ(slider->getMin(), 0.0f);
    EXPECT_EQ(slider->getMax(), 1.0f);
    EXPECT_TRUE(slider->getMouseEnabled());
    slider->setValue(3.0f);
    EXPECT_EQ(slider->getValue(), 3.0f);
}

TEST_F(ControlTracking, FirstPassUsesTheClickThenFollowsTheMouse) {
    host.scriptMouse({{{5, 20}, ButtonLeft}, {{0, 40}, ButtonLeft}, {{0, 60}, 0}});
    press({5, 20});
    EXPECT_EQ(listener.values, (std::vector<float>{0.2f, 0.4f}));
    EXPECT_EQ(listener.tags.front(), 7);
    EXPECT_EQ(slider->getValue(), 0.4f);
    EXPECT_EQ(editor.trackingIdles, 2);
    EXPECT_EQ(slider->draws, 0);
}

TEST_F(ControlTracking, NotifiesEveryPassThatDiffersFromWhatWasDrawn) {
    host.scriptMouse({{{0, 30}, ButtonLeft}, {{0, 30}, ButtonLeft}, {{0, 30}, 0}});
    press({0, 30});
    EXPECT_EQ(listener.values, (std::vector<float>{0.3f, 0.3f}));
}

TEST_F(ControlTracking, AltWithShiftIsNotTheResetGesture) {
    const int word = ButtonLeft | ModifierShift | ModifierAlt;
    ASSERT_EQ(word, 41);
    host.scriptMouse({{{0, 80}, word}, {{0, 10}, word}, {{0, 10}, 0}});
    press({0, 80});
    EXPECT_EQ(listener.values, (std::vector<float>{0.8f, 0.1f}));
}

TEST_F(ControlTracking, RightButtonTracksUntilReleased) {
    host.scriptMouse(
        {{{0, 90}, ButtonRight}, {{0, 10}, ButtonRight}, {{0, 20}, ButtonRight}, {{0, 30}, 0}});
    press({0, 90});
    EXPECT_EQ(listener.values, (std::vector<float>{0.9f, 0.1f, 0.2f}));
    EXPECT_EQ(host.buttonPolls(), 4);
}

TEST_F(ControlTracking, ShiftAloneKeepsTheLoopRunning) {
    host.scriptMouse(
        {{{0, 50}, ButtonLeft}, {{0, 10}, ModifierShift}, {{0, 20}, ModifierShift}, {{0, 30}, 0}});
    press({0, 50});
    EXPECT_EQ(slider->getValue(), 0.2f);
    EXPECT_EQ(editor.trackingIdles, 3);
}

TEST_F(ControlTracking, ResetGestureRestoresTheDefaultWithoutDrawing) {
    slider->setDefaultValue(0.25f);
    host.setMouse({{0, 70}, ButtonLeft | ModifierAlt});
    press({0, 70});
    EXPECT_EQ(slider->getValue(), 0.25f);
    EXPECT_EQ(listener.values, (std::vector<float>{0.25f}));
    EXPECT_EQ(slider->draws, 0);
    EXPECT_EQ(editor.trackingIdles, 0);
}

TEST_F(ControlTracking, ResetToTheDrawnValueTellsNobody) {
    slider->setDefaultValue(0.25f);
    slider->setValue(0.25f);
    host.child()->paint();
    ASSERT_EQ(slider->getDrawnValue(), 0.25f);
    host.setMouse({{0, 70}, ButtonLeft | ModifierAlt});
    press({0, 70});
    EXPECT_EQ(slider->getValue(), 0.25f);
    EXPECT_TRUE(listener.values.empty());
}

TEST_F(ControlTracking, NewValueIsDrawnByOneRefreshOnly) {
    host.child()->paint();
    slider->setValue(0.75f);
    frame->idle();
    frame->idle();
    EXPECT_EQ(slider->draws, 2);
    EXPECT_EQ(slider->getDrawnValue(), 0.75f);
}

TEST_F(ControlTracking, DisabledControlIgnoresClicksButStillDraws) {
    slider->setMouseEnabled(false);
    host.setMouse({{0, 40}, ButtonLeft});
    press({0, 40});
    EXPECT_TRUE(listener.values.empty());
    EXPECT_EQ(host.buttonPolls(), 0);
    slider->setValue(0.4f);
    host.child()->paint();
    EXPECT_EQ(slider->draws, 1);
    EXPECT_EQ(slider->getDrawnValue(), 0.4f);
}

TEST(ControlOutsideFrame, TrackingIdleWithoutFrameOrEditorDoesNothing) {
    test::TestSlider loose({0, 0, 10, 10}, nullptr, 1);
    loose.trackingIdle();
    platform::HeadlessHost host;
    Frame frame(Rect(0, 0, 10, 10), &host, nullptr);
    auto* inFrame = new test::TestSlider({0, 0, 10, 10}, nullptr, 2);
    frame.addView(inFrame);
    inFrame->trackingIdle();
    host.setMouse({{0, 5}, 0});
    host.child()->press({0, 5});
    EXPECT_EQ(inFrame->getValue(), 0.05f);
}

} // namespace
} // namespace tarvolin
