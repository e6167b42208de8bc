#include "FreshModule.h"
#include "TestHost.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

namespace tarvolin {
namespace {

using host::midiEvent;
using testing::FreshModule;
using testing::TestHost;

constexpr unsigned char kNoteOn = 0x90;
constexpr unsigned char kNoteOff = 0x80;
constexpr unsigned char kController = 0xB0;
constexpr unsigned char kPitchBend = 0xE0;
constexpr unsigned char kAllSoundOff = 120;
constexpr unsigned char kResetAllControllers = 121;
constexpr unsigned char kAllNotesOff = 123;
constexpr int kAt = 37;
constexpr int kChunkSize = 4372;
constexpr int kControllerMap = 832; // in 32-bit words

// Renders compared sample for sample come from module copies of their own:
// the noise seed runs on across every instance of one copy.

// The first sample in which two renders differ, or -1.
int firstDifference(const std::vector<float>& a, const std::vector<float>& b) {
    const auto at = std::mismatch(a.begin(), a.end(), b.begin());
    return at.first == a.end() ? -1 : static_cast<int>(at.first - a.begin());
}

// Note 57 held past its attack, then a block with `events`.
std::vector<float> afterHeldNote(const std::vector<VstMidiEvent>& events, int frames = 512) {
    const FreshModule fresh;
    TestHost test(fresh.module());
    test.play({midiEvent(0, kNoteOn, 57, 100)}, 2000);
    return test.play(events, frames);
}

std::vector<VstMidiEvent> bendRange(unsigned char channel, unsigned char semitones) {
    return {midiEvent(0, kController | channel, 101, 0),
            midiEvent(0, kController | channel, 100, 0),
            midiEvent(0, kController | channel, 6, semitones)};
}

TEST(PitchBend, TakesEffectAtItsSample) {
    const std::vector<float> held = afterHeldNote({});
    EXPECT_EQ(firstDifference(afterHeldNote({midiEvent(kAt, kPitchBend, 0x7F, 0x7F)}), held), kAt);
    EXPECT_EQ(afterHeldNote({midiEvent(kAt, kPitchBend, 0x00, 0x40)}), held); // the centre
}

// Without key follow nothing but the pitch tells the bend from the note.
TEST(PitchBend, TheRangeComesFromRegisteredParameterZero) {
    const auto play = [](unsigned char note, std::vector<VstMidiEvent> events) {
        const FreshModule fresh;
        TestHost test(fresh.module());
        test.plugin.setParameter(17, 0.0f);
        events.push_back(midiEvent(0, kNoteOn, note, 100));
        return test.play(events, 4000);
    };
    std::vector<VstMidiEvent> octave = bendRange(0, 12);
    octave.push_back(midiEvent(0, kPitchBend, 0x7F, 0x7F));
    EXPECT_EQ(play(57, octave), play(69, {}));

    std::vector<VstMidiEvent> none = bendRange(0, 0);
    none.push_back(midiEvent(0, kPitchBend, 0x7F, 0x7F));
    EXPECT_EQ(play(57, none), play(57, {}));

    std::vector<VstMidiEvent> reset = octave;
    reset.push_back(midiEvent(0, kController, kResetAllControllers, 0));
    EXPECT_EQ(play(57, reset), play(57, {}));
    reset.push_back(midiEvent(0, kPitchBend, 0x7F, 0x7F)); // two semitones again
    EXPECT_EQ(play(57, reset), play(59, {}));
}

TEST(ChannelModes, AllSoundOffLeavesExactZerosFromItsSample) {
    const std::vector<float> after = afterHeldNote({midiEvent(kAt, kController, kAllSoundOff, 0)});
    EXPECT_NE(after[kAt - 1], 0.0f);
    EXPECT_TRUE(std::all_of(after.begin() + kAt, after.end(), [](float s) { return s == 0.0f; }));
}

TEST(ChannelModes, AllNotesOffReleasesAtItsSampleWhateverTheNote) {
    const std::vector<float> released =
        afterHeldNote({midiEvent(kAt, kController, kAllNotesOff, 0)});
    EXPECT_EQ(firstDifference(released, afterHeldNote({})), kAt);
    EXPECT_EQ(released, afterHeldNote({midiEvent(kAt, kNoteOff, 57, 0)}));
}

TEST(ChannelModes, MessagesOnAnotherChannelLeaveChannelOnesVoiceAlone) {
    std::vector<VstMidiEvent> elsewhere = bendRange(1, 12);
    for (unsigned char mode : {kAllSoundOff, kAllNotesOff, kResetAllControllers}) {
        elsewhere.push_back(midiEvent(kAt, kController | 1, mode, 0));
    }
    std::vector<VstMidiEvent> bent{midiEvent(0, kPitchBend, 0x00, 0x50)};
    const std::vector<float> alone = afterHeldNote(bent);
    bent.insert(bent.end(), elsewhere.begin(), elsewhere.end());
    EXPECT_EQ(afterHeldNote(bent), alone);
}

// Registered parameter traffic still reaches bindings and learning; the mode
// messages never do.
TEST(ChannelModes, AreNeverLearnedNorBound) {
    TestHost test;
    test.plugin.setParameter(45, 1.0f);
    test.plugin.setParameter(2, 0.1f);
    test.play({midiEvent(0, kController, kAllNotesOff, 64)}, 4);
    EXPECT_EQ(test.plugin.getParameter(2), 0.1f);
    test.play({midiEvent(0, kController, 6, 64)}, 4);
    EXPECT_EQ(test.plugin.getParameter(2), 64 * 0.007874016f);

    // A binding that came with a chunk stays in it, byte for byte, and does nothing.
    std::vector<std::int32_t> chunk(kChunkSize / sizeof(std::int32_t));
    void* data = nullptr;
    test.plugin.dispatch(effGetChunk, 0, 0, &data);
    std::memcpy(chunk.data(), data, kChunkSize);
    chunk[kControllerMap + kAllNotesOff] = 2;
    ASSERT_EQ(test.plugin.dispatch(effSetChunk, 0, kChunkSize, chunk.data()), 1);
    test.plugin.setParameter(45, 0.0f);
    test.play({midiEvent(0, kController, kAllNotesOff, 127)}, 4);
    EXPECT_EQ(test.plugin.getParameter(2), 64 * 0.007874016f);
    test.plugin.dispatch(effGetChunk, 0, 0, &data);
    EXPECT_EQ(static_cast<const std::int32_t*>(data)[kControllerMap + kAllNotesOff], 2);
}

TEST(PitchBend, AChunkRestoreLeavesTheWheelAndRangeAlone) {
    const auto play = [](bool restore, unsigned char wheel) {
        const FreshModule fresh;
        TestHost test(fresh.module());
        std::vector<VstMidiEvent> events = bendRange(0, 7);
        events.push_back(midiEvent(0, kPitchBend, 0x00, wheel));
        events.push_back(midiEvent(0, kNoteOn, 57, 100));
        test.play(events, 100);
        if (restore) {
            void* data = nullptr;
            test.plugin.dispatch(effGetChunk, 0, 0, &data);
            const std::vector<char> chunk(static_cast<char*>(data),
                                          static_cast<char*>(data) + kChunkSize);
            test.plugin.dispatch(effSetChunk, 0, kChunkSize, const_cast<char*>(chunk.data()));
        }
        return test.play({}, 2000);
    };
    const std::vector<float> kept = play(false, 0x60);
    EXPECT_EQ(play(true, 0x60), kept);
    EXPECT_NE(play(false, 0x40), kept);
}

} // namespace
} // namespace tarvolin
