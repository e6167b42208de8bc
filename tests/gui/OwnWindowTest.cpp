#include "TestViews.h"

#include "gui/Frame.h"
#include "gui/platform/headless/HeadlessHost.h"
#include "gui/platform/headless/HeadlessWindow.h"
#include "shell/EffectBaseExt.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace tarvolin {
namespace {

using platform::HeadlessHost;

// A host that opens its windows as headless ones and keeps what it was asked.
struct WindowHost {
    HeadlessHost window;
    std::vector<VstInt32> opcodes;
    VstWindow lastRequest{};
    bool refuses = false;
};
WindowHost* activeHost = nullptr;

VstIntPtr VSTCALLBACK windowHostCallback(AEffect*, VstInt32 opcode, VstInt32, VstIntPtr, void* ptr,
                                         float) {
    activeHost->opcodes.push_back(opcode);
    if (opcode == audioMasterOpenWindow || opcode == audioMasterCloseWindow) {
        std::memcpy(&activeHost->lastRequest, ptr, sizeof(VstWindow));
    }
    if (opcode == audioMasterOpenWindow) {
        return activeHost->refuses ? 0 : reinterpret_cast<VstIntPtr>(&activeHost->window);
    }
    return 1;
}

class WindowlessEffect : public EffectBaseExt {
public:
    WindowlessEffect() : EffectBaseExt(windowHostCallback, 1, 1) {}
    void process(float**, float**, VstInt32) override {}
};

class EditorWithEffect : public test::CountingEditor {
public:
    EffectBaseExt* effect() override { return &plugin; }
    WindowlessEffect plugin;
};

class OwnWindow : public ::testing::Test {
protected:
    void SetUp() override { activeHost = &host; }
    void TearDown() override { activeHost = nullptr; }

    WindowHost host;
    EditorWithEffect editor;
};

TEST_F(OwnWindow, AsksTheHostForAWindowAndLivesInIt) {
    auto frame = std::make_unique<Frame>(Rect(20, 30, 220, 130), "Tarvolin settings", &editor, 7);
    EXPECT_FALSE(frame->isOpen());
    EXPECT_EQ(host.window.child(), nullptr);

    const Point position{40, 50};
    ASSERT_TRUE(frame->open(&position));
    ASSERT_EQ(host.opcodes, std::vector<VstInt32>{audioMasterOpenWindow});
    EXPECT_EQ(std::string(host.lastRequest.title), "Tarvolin settings");
    EXPECT_EQ(host.lastRequest.xPos, 40);
    EXPECT_EQ(host.lastRequest.yPos, 50);
    EXPECT_EQ(host.lastRequest.width, 200);
    EXPECT_EQ(host.lastRequest.height, 100);
    EXPECT_EQ(host.lastRequest.style, 7);
    EXPECT_EQ(host.lastRequest.parent, nullptr);
    EXPECT_TRUE(frame->isOpen());
    EXPECT_EQ(frame->getParentWindow(), &host.window);
    ASSERT_NE(host.window.child(), nullptr);
    EXPECT_EQ(host.window.child()->pixels().width(), 200);

    // Opening again only brings the window forward.
    EXPECT_TRUE(frame->open());
    EXPECT_EQ(host.opcodes.size(), 1u);

    frame.reset();
    EXPECT_EQ(host.opcodes.back(), audioMasterCloseWindow);
    EXPECT_EQ(std::string(host.lastRequest.title), "Tarvolin settings");
}

TEST_F(OwnWindow, LongTitlesAreCutAndRefusalsLeaveTheFrameClosed) {
    host.refuses = true;
    const std::string title(200, 't');
    Frame frame(Rect(0, 0, 10, 10), title.c_str(), &editor, 0);
    EXPECT_FALSE(frame.open());
    EXPECT_FALSE(frame.isOpen());
    EXPECT_EQ(std::string(host.lastRequest.title), std::string(127, 't'));
    frame.idle();
    frame.drawView(nullptr);
}

} // namespace
} // namespace tarvolin
