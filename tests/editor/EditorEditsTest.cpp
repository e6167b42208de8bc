// The editor's edits through the instrument's edit controller: one edit per
// click, however many values its drag sets.

#include "EditorSession.h"

#include "editor/SynthEditor.h"
#include "gui/FrameEditor.h"
#include "instrument/EditController.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tarvolin {
namespace {

struct RecordingController : EditController {
    void beginEdit(int index) override { calls.push_back("begin " + std::to_string(index)); }
    void setEditedValue(int index, float) override {
        calls.push_back("set " + std::to_string(index));
    }
    void endEdit(int index) override { calls.push_back("end " + std::to_string(index)); }
    float editedValue(int) const override { return 0.5f; }
    std::vector<std::string> calls;
};

struct QuietHost : FrameEditor {
    void trackingIdle() override {}
    void idleTimerElapsed() override {}
    void* openWindow(const WindowRequest&) override { return nullptr; }
    void closeWindow(const WindowRequest&) override {}
};

class EditorEdits : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(editor.open(&window, host)); }

    void drag(Point from, std::initializer_list<Point> path) {
        testing::dragIn(window, from, path);
    }

    RecordingController controller;
    QuietHost host;
    platform::HeadlessHost window;
    SynthEditor editor{controller};
};

TEST_F(EditorEdits, ADragIsOneEditAroundItsValues) {
    drag({470, 186}, {{470, 176}, {480, 170}, {490, 180}}); // the cutoff knob
    ASSERT_GE(controller.calls.size(), 3u);
    EXPECT_EQ(controller.calls.front(), "begin 14");
    EXPECT_EQ(controller.calls.back(), "end 14");
    for (std::size_t i = 1; i + 1 < controller.calls.size(); ++i) {
        EXPECT_EQ(controller.calls[i], "set 14");
    }
}

TEST_F(EditorEdits, AToggleClickSetsOnceAndTheAboutPlateEditsNothing) {
    drag({221, 26}, {});
    EXPECT_EQ(controller.calls, (std::vector<std::string>{"begin 22", "set 22", "end 22"}));
    controller.calls.clear();
    drag({380, 300}, {});
    EXPECT_TRUE(controller.calls.empty());
}

} // namespace
} // namespace tarvolin
