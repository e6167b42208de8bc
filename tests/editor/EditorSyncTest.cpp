// Values between the editor and the instrument, seen by the recording host.

#include "EditorControls.h"
#include "EditorSession.h"

#include "pluginhost/PluginInstance.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace tarvolin {
namespace {

using testing::EditorSession;
using testing::imageOf;

constexpr int kCutoff = 14;
constexpr Point kCutoffRight{487, 187};
constexpr float kChannelStep = 1.0f / 15.0f;

class EditorSync : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(session.open(), 1); }

    int shown(int index) const { return imageOf(session.pixels(), index); }
    void controller(int channel, int number, int value) {
        const VstMidiEvent event =
            host::midiEvent(0, static_cast<unsigned char>(0xB0 | channel),
                            static_cast<unsigned char>(number), static_cast<unsigned char>(value));
        session.plugin.sendEvents({&event, 1});
        std::vector<float> left(16), right(16);
        session.plugin.processReplacing(left, right);
    }

    EditorSession session;
};

TEST_F(EditorSync, AUsersChangeIsAutomatedOnceAndAnUnchangedPassNotAtAll) {
    session.click(kCutoffRight);
    const auto automations = session.automations();
    ASSERT_EQ(automations.size(), 1u);
    EXPECT_EQ(automations[0].index, kCutoff);
    EXPECT_EQ(automations[0].opt, session.plugin.getParameter(kCutoff));
    EXPECT_EQ(shown(kCutoff), 30);
    session.click(kCutoffRight);
    EXPECT_EQ(session.automations().size(), 1u);
}

TEST_F(EditorSync, TheHostsChangeShowsAtTheNextIdle) {
    EXPECT_EQ(shown(kCutoff), 36);
    session.plugin.setParameter(kCutoff, 0.25f);
    EXPECT_EQ(shown(kCutoff), 36);
    session.idle();
    EXPECT_EQ(shown(kCutoff), 9);
    EXPECT_TRUE(session.automations().empty());
}

TEST_F(EditorSync, ControllersShowTheCurrentChannelsValues) {
    // Program 0 binds controller 40 to the cutoff.
    controller(0, 40, 64);
    session.idle();
    EXPECT_EQ(shown(kCutoff), 18);
    controller(3, 40, 0);
    session.idle();
    EXPECT_EQ(shown(kCutoff), 18);
    session.plugin.setParameter(50, 3 * kChannelStep);
    session.idle();
    EXPECT_EQ(shown(kCutoff), 0);
}

TEST_F(EditorSync, SelectingAChannelMovesEveryControl) {
    session.plugin.setParameter(50, 2 * kChannelStep);
    session.plugin.setParameter(0, 1.0f);
    session.plugin.setParameter(6, 1.0f);
    session.plugin.setParameter(40, 1.0f);
    session.plugin.setParameter(50, 0.0f);
    session.idle();
    EXPECT_EQ(shown(0), 18);
    EXPECT_EQ(shown(6), 0);
    EXPECT_EQ(shown(40), 0);
    session.plugin.setParameter(50, 2 * kChannelStep);
    session.idle();
    EXPECT_EQ(shown(0), 36);
    EXPECT_EQ(shown(6), 3);
    EXPECT_EQ(shown(40), 1);
}

TEST_F(EditorSync, AProgramLoadLeavesTheCurrentChannelShowing) {
    void* chunk = nullptr;
    ASSERT_EQ(session.plugin.dispatch(effGetChunk, 0, 0, &chunk), 4372);
    std::vector<unsigned char> record(static_cast<unsigned char*>(chunk),
                                      static_cast<unsigned char*>(chunk) + 4372);
    // Channel 15's cutoff differs from channel 0's; a load reloads channel 15 last.
    const float quarter = 0.25f;
    std::memcpy(record.data() + (15 * 52 + kCutoff) * sizeof(float), &quarter, sizeof quarter);
    session.plugin.dispatch(effSetChunk, 0, static_cast<VstIntPtr>(record.size()), record.data());
    session.idle();
    EXPECT_EQ(shown(kCutoff), 36);
}

TEST_F(EditorSync, TheHostDoesNotMoveTheLearnSwitch) {
    session.plugin.setParameter(45, 1.0f);
    session.idle();
    EXPECT_EQ(shown(45), 0);
    session.click({620, 280});
    EXPECT_EQ(shown(45), 1);
    ASSERT_EQ(session.automations().size(), 1u);
    EXPECT_EQ(session.automations()[0].index, 45);
    EXPECT_EQ(session.automations()[0].opt, 1.0f);
}

TEST_F(EditorSync, NothingIsDrawnUnderTheAboutPictureUntilItCloses) {
    const platform::PixelBuffer before = session.pixels();
    session.recorder.clear();
    session.click({300, 300});
    const Rect display{136, 40, 536, 307};
    EXPECT_EQ(
        testing::pixelsDiffering(session.pixels(), display, testing::committedPicture(137), {0, 0}),
        0);
    // Outside the picture the knob's click reaches nobody; inside, it closes the picture.
    session.click({638, 41});
    session.plugin.setParameter(0, 0.0f);
    session.idle();
    EXPECT_EQ(shown(0), 18);
    session.click({470, 55});
    EXPECT_TRUE(session.recorder.requests().empty());
    EXPECT_EQ(shown(0), 0);
    session.plugin.setParameter(0, 0.5f);
    session.idle();
    EXPECT_EQ(session.pixels(), before);
}

} // namespace
} // namespace tarvolin
