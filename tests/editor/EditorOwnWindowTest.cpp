// A frame in a window of its own asks the host for it through the editor,
// in the host's window record.

#include "gui/Frame.h"
#include "gui/platform/headless/HeadlessHost.h"
#include "gui/platform/headless/HeadlessWindow.h"
#include "shell/EffectBaseExt.h"
#include "shell/GuiEditorBase.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace tarvolin {
namespace {

// A host that opens its windows as headless ones and keeps what it was asked.
struct WindowHost {
    platform::HeadlessHost window;
    std::vector<VstInt32> opcodes;
    std::vector<VstWindow> records;
    std::vector<void*> recordAddresses;
    bool refuses = false;
};
WindowHost* activeHost = nullptr;

VstIntPtr VSTCALLBACK windowHostCallback(AEffect*, VstInt32 opcode, VstInt32, VstIntPtr, void* ptr,
                                         float) {
    activeHost->opcodes.push_back(opcode);
    if (opcode == audioMasterOpenWindow || opcode == audioMasterCloseWindow) {
        VstWindow record;
        std::memcpy(&record, ptr, sizeof record);
        activeHost->records.push_back(record);
        activeHost->recordAddresses.push_back(ptr);
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

class OwnWindowThroughTheHost : public ::testing::Test {
protected:
    void SetUp() override { activeHost = &host; }
    void TearDown() override { activeHost = nullptr; }

    WindowHost host;
    WindowlessEffect plugin;
    GuiEditorBase editor{&plugin};
};

TEST_F(OwnWindowThroughTheHost, OpensAndClosesWithTheSameRecord) {
    auto frame = std::make_unique<Frame>(Rect(20, 30, 220, 130), "Tarvolin settings", &editor, 7);
    const Point position{40, 50};
    ASSERT_TRUE(frame->open(&position));
    ASSERT_EQ(host.opcodes, std::vector<VstInt32>{audioMasterOpenWindow});
    const VstWindow& asked = host.records[0];
    EXPECT_EQ(std::string(asked.title), "Tarvolin settings");
    EXPECT_EQ(asked.xPos, 40);
    EXPECT_EQ(asked.yPos, 50);
    EXPECT_EQ(asked.width, 200);
    EXPECT_EQ(asked.height, 100);
    EXPECT_EQ(asked.style, 7);
    EXPECT_EQ(asked.parent, nullptr);
    EXPECT_EQ(asked.userHandle, nullptr);
    EXPECT_EQ(asked.winHandle, nullptr);
    EXPECT_EQ(frame->getParentWindow(), &host.window);
    ASSERT_NE(host.window.child(), nullptr);

    frame.reset();
    ASSERT_EQ(host.opcodes.back(), audioMasterCloseWindow);
    EXPECT_EQ(std::string(host.records.back().title), "Tarvolin settings");
    EXPECT_EQ(host.recordAddresses.front(), host.recordAddresses.back());
}

TEST_F(OwnWindowThroughTheHost, ARefusedWindowIsNeverClosed) {
    host.refuses = true;
    {
        Frame frame(Rect(0, 0, 10, 10), "Tarvolin", &editor, 0);
        EXPECT_FALSE(frame.open());
    }
    EXPECT_EQ(host.opcodes, std::vector<VstInt32>{audioMasterOpenWindow});
}

} // namespace
} // namespace tarvolin
