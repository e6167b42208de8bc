#include "FreshModule.h"
#include "TestHost.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace tarvolin {
namespace {

using host::midiEvent;
using testing::FreshModule;
using testing::TestHost;

constexpr unsigned char kController = 0xB0, kPitchBend = 0xE0;
constexpr int kAt = 37;

// A note held past its attack after `before`, then a block with `events`.
// Each from a module copy of its own: the noise seed runs on across every
// instance of one copy.
std::vector<float> afterNote(const std::vector<VstMidiEvent>& events, unsigned char note = 57,
                             std::vector<VstMidiEvent> before = {}) {
    const FreshModule fresh;
    TestHost test(fresh.module());
    test.plugin.setParameter(17, 0.0f); // without key follow only the pitch tells bend from note
    before.push_back(midiEvent(0, 0x90, note, 100));
    test.play(before, 2000);
    return test.play(events, 512);
}

int firstDifference(const std::vector<float>& a, const std::vector<float>& b) {
    return static_cast<int>(std::mismatch(a.begin(), a.end(), b.begin()).first - a.begin());
}

// Channel 0's wheel at the top after a bend range set on `channel`.
std::vector<VstMidiEvent> bentWithRange(unsigned char semitones, unsigned char channel = 0) {
    return {midiEvent(0, kController | channel, 101, 0),
            midiEvent(0, kController | channel, 100, 0),
            midiEvent(0, kController | channel, 6, semitones), midiEvent(0, kPitchBend, 127, 127)};
}

TEST(ChannelMessages, BendsAndModeMessagesActAtTheirSample) {
    const std::vector<float> held = afterNote({});
    EXPECT_EQ(firstDifference(afterNote({midiEvent(kAt, kPitchBend, 127, 127)}), held), kAt);
    // At the centre the wheel adds exactly 0 and changes no rounding.
    EXPECT_EQ(afterNote({midiEvent(kAt, kPitchBend, 0, 64)}), held);
    const std::vector<float> notesOff = afterNote({midiEvent(kAt, kController, 123, 0)});
    EXPECT_EQ(firstDifference(notesOff, held), kAt);
    EXPECT_EQ(notesOff, afterNote({midiEvent(kAt, 0x80, 57, 0)}));
    const std::vector<float> soundOff = afterNote({midiEvent(kAt, kController, 120, 0)});
    EXPECT_NE(soundOff[kAt - 1], 0.0f);
    EXPECT_TRUE(
        std::all_of(soundOff.begin() + kAt, soundOff.end(), [](float s) { return s == 0; }));
}

TEST(ChannelMessages, RegisteredParameterZeroSetsTheRangeOfItsChannel) {
    EXPECT_EQ(afterNote({}, 57, bentWithRange(12)), afterNote({}, 69));
    EXPECT_EQ(afterNote({}, 57, bentWithRange(0)), afterNote({}));
    std::vector<VstMidiEvent> elsewhere;
    for (unsigned char mode : {120, 121, 123}) {
        elsewhere.push_back(midiEvent(kAt, kController | 1, mode, 0));
    }
    EXPECT_EQ(afterNote(elsewhere, 57, bentWithRange(12, 1)),
              afterNote({}, 57, {midiEvent(0, kPitchBend, 127, 127)}));
}

TEST(ChannelMessages, ModeMessagesAreNeverLearned) {
    TestHost test;
    test.plugin.setParameter(45, 1.0f);
    test.plugin.setParameter(2, 0.1f);
    test.play({midiEvent(0, kController, 123, 64)}, 4);
    EXPECT_EQ(test.plugin.getParameter(2), 0.1f);
    test.play({midiEvent(0, kController, 6, 64)}, 4); // data entry is a controller too
    EXPECT_EQ(test.plugin.getParameter(2), 64 * 0.007874016f);
}

} // namespace
} // namespace tarvolin
