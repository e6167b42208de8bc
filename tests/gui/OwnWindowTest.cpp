#include "TestViews.h"

#include "gui/Frame.h"
#include "gui/platform/headless/HeadlessHost.h"
#include "gui/platform/headless/HeadlessWindow.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tarvolin {
namespace {

using platform::HeadlessHost;

// An editor whose host opens its windows as headless ones, keeping what it was asked.
class WindowingEditor : public test::CountingEditor {
public:
    void* openWindow(const WindowRequest& request) override {
        opened.push_back(request);
        return refuses ? nullptr : &window;
    }
    void closeWindow(const WindowRequest& request) override { closed.push_back(request); }

    HeadlessHost window;
    std::vector<WindowRequest> opened;
    std::vector<WindowRequest> closed;
    bool refuses = false;
};

TEST(OwnWindow, AsksTheEditorForAWindowAndLivesInIt) {
    WindowingEditor editor;
    auto frame = std::make_unique<Frame>(Rect(20, 30, 220, 130), "Tarvolin settings", &editor, 7);
    EXPECT_FALSE(frame->isOpen());
    EXPECT_EQ(editor.window.child(), nullptr);

    const Point position{40, 50};
    ASSERT_TRUE(frame->open(&position));
    ASSERT_EQ(editor.opened.size(), 1u);
    const WindowRequest& request = editor.opened[0];
    EXPECT_EQ(std::string(request.title), "Tarvolin settings");
    EXPECT_EQ(request.position, position);
    EXPECT_EQ(request.width, 200);
    EXPECT_EQ(request.height, 100);
    EXPECT_EQ(request.style, 7);
    EXPECT_TRUE(frame->isOpen());
    EXPECT_EQ(frame->getParentWindow(), &editor.window);
    ASSERT_NE(editor.window.child(), nullptr);
    EXPECT_EQ(editor.window.child()->pixels().width(), 200);

    // Opening again only brings the window forward.
    EXPECT_TRUE(frame->open());
    EXPECT_EQ(editor.opened.size(), 1u);

    frame.reset();
    ASSERT_EQ(editor.closed.size(), 1u);
    EXPECT_EQ(std::string(editor.closed[0].title), "Tarvolin settings");
    EXPECT_EQ(editor.window.childCount(), 0);
}

TEST(OwnWindow, AWindowNoChildCanBeMadeInIsGivenBackAndTheOpenFails) {
    WindowingEditor editor;
    editor.window.refuseChildWindows(true);
    {
        Frame frame(Rect(0, 0, 10, 10), "x", &editor, 0);
        EXPECT_FALSE(frame.open());
        EXPECT_FALSE(frame.isOpen());
        EXPECT_EQ(editor.closed.size(), 1u);
    }
    EXPECT_EQ(editor.closed.size(), 1u);
}

TEST(OwnWindow, LongTitlesAreCutAndRefusalsLeaveTheFrameClosed) {
    WindowingEditor editor;
    editor.refuses = true;
    const std::string title(200, 't');
    {
        Frame frame(Rect(0, 0, 10, 10), title.c_str(), &editor, 0);
        EXPECT_FALSE(frame.open());
        EXPECT_FALSE(frame.isOpen());
        ASSERT_EQ(editor.opened.size(), 1u);
        EXPECT_EQ(std::string(editor.opened[0].title), std::string(127, 't'));
        frame.idle();
        frame.drawView(nullptr);
    }
    // Nothing was opened, so nothing is closed.
    EXPECT_TRUE(editor.closed.empty());
    Frame withoutEditor(Rect(0, 0, 10, 10), "x", nullptr, 0);
    EXPECT_FALSE(withoutEditor.open());
}

} // namespace
} // namespace tarvolin
