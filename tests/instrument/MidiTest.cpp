#include "TestHost.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace tarvolin {
namespace {

using host::midiEvent;
using testing::TestHost;

constexpr unsigned char kNoteOn = 0x90;
constexpr unsigned char kNoteOff = 0x80;
constexpr unsigned char kController = 0xB0;

// Index of the first sample that is not exactly zero, or -1.
int firstSound(const std::vector<float>& samples) {
    const auto it = std::find_if(samples.begin(), samples.end(), [](float s) { return s != 0.0f; });
    return it == samples.end() ? -1 : static_cast<int>(it - samples.begin());
}

TEST(Midi, NoteStartsExactlyAtItsOffset) {
    TestHost test;
    EXPECT_EQ(firstSound(test.play({midiEvent(10, kNoteOn, 69, 100)}, 64)), 10);
}

TEST(Midi, EventsLaterThanTheBlockWaitForTheNextOne) {
    TestHost test;
    EXPECT_EQ(firstSound(test.play({midiEvent(600, kNoteOn, 69, 100)}, 512)), -1);
    EXPECT_EQ(firstSound(test.render(512).left), 600 - 512);
}

TEST(Midi, SameOffsetEventsFollowTheHostsOrder) {
    TestHost released;
    EXPECT_EQ(firstSound(released.play(
                  {midiEvent(5, kNoteOn, 60, 100), midiEvent(5, kNoteOff, 60, 0)}, 256)),
              -1);
    TestHost sounding;
    EXPECT_EQ(firstSound(sounding.play(
                  {midiEvent(5, kNoteOff, 60, 0), midiEvent(5, kNoteOn, 60, 100)}, 256)),
              5);
}

TEST(Midi, VelocityZeroReleasesTheNote) {
    TestHost test;
    test.play({midiEvent(0, kNoteOn, 60, 100)}, 100);
    const auto tail = test.play({midiEvent(0, kNoteOn, 60, 0)}, 2000);
    // The default release is a few milliseconds: the voice falls silent well within the block.
    EXPECT_EQ(tail.back(), 0.0f);
}

TEST(Midi, NegativeOffsetsAreDueAtOnce) {
    TestHost test;
    EXPECT_EQ(firstSound(test.play({midiEvent(-5, kNoteOn, 69, 100)}, 32)), 0);
}

TEST(Midi, AFullQueueDropsFurtherEvents) {
    std::vector<VstMidiEvent> events(499, midiEvent(0, kNoteOff, 1, 0));
    events.push_back(midiEvent(0, kNoteOn, 69, 100));
    TestHost fits;
    EXPECT_EQ(firstSound(fits.play(events, 32)), 0);

    events.insert(events.begin(), midiEvent(0, kNoteOff, 1, 0));
    TestHost overflows;
    EXPECT_EQ(firstSound(overflows.play(events, 32)), -1);
}

TEST(Midi, OtherMessagesAndEventTypesAreIgnored) {
    TestHost test;
    VstMidiEvent sysex = midiEvent(0, kNoteOn, 69, 100);
    sysex.type = 6;
    EXPECT_EQ(firstSound(test.play({sysex, midiEvent(0, 0xE0, 0, 64), midiEvent(0, 0xC0, 3, 0),
                                    midiEvent(0, 0xA0, 69, 100)},
                                   64)),
              -1);
}

TEST(Midi, ControllerChangesItsOwnChannelOnly) {
    TestHost test;
    test.plugin.setParameter(50, 2.0f / 15.0f);
    test.play({midiEvent(0, kController | 5, 40, 127), midiEvent(0, kController | 5, 42, 64)}, 4);
    EXPECT_EQ(test.plugin.parameterDisplay(50), "2.000000");
    EXPECT_EQ(test.plugin.getParameter(14), 1.0f);
    EXPECT_EQ(test.plugin.getParameter(15), 0.0f);
    test.plugin.setParameter(50, 5.0f / 15.0f);
    EXPECT_EQ(test.plugin.getParameter(14), 127 * 0.007874016f);
    EXPECT_EQ(test.plugin.getParameter(15), 64 * 0.007874016f);
}

TEST(Midi, LearningBindsTheLastParameterAndAppliesAtOnce) {
    TestHost test;
    test.plugin.setParameter(45, 1.0f);
    test.plugin.setParameter(2, 0.1f);
    test.play({midiEvent(0, kController, 7, 64)}, 4);
    EXPECT_EQ(test.plugin.getParameter(2), 64 * 0.007874016f);
    void* chunk = nullptr;
    test.plugin.dispatch(effGetChunk, 0, 0, &chunk);
    EXPECT_EQ(static_cast<const std::int32_t*>(chunk)[832 + 7], 2);

    // With learning off the binding stays and still applies.
    test.plugin.setParameter(45, 0.0f);
    test.plugin.setParameter(0, 0.5f);
    test.play({midiEvent(0, kController, 7, 127)}, 4);
    EXPECT_EQ(test.plugin.getParameter(2), 127 * 0.007874016f);
    EXPECT_EQ(test.plugin.getParameter(0), 0.5f);
}

TEST(Render, BothOutputsCarryTheSameOverwrittenSamples) {
    TestHost test;
    test.plugin.sendEvents(std::vector{midiEvent(3, kNoteOn, 57, 100)});
    std::vector<float> left(256, 123.0f);
    std::vector<float> right(256, -7.0f);
    test.plugin.process(left, right);
    EXPECT_EQ(left, right);
    EXPECT_EQ(left[0], 0.0f);
    EXPECT_NE(left[3], 0.0f);
    test.plugin.processReplacing(left, right);
    EXPECT_EQ(left, right);
}

TEST(Render, MissingOrEmptyBuffersAreHarmless) {
    TestHost test;
    AEffect* effect = test.plugin.record();
    effect->processReplacing(effect, nullptr, nullptr, 64);
    std::vector<float> left(64, 5.0f);
    float* oneChannel[2] = {left.data(), nullptr};
    effect->processReplacing(effect, nullptr, oneChannel, 64);
    EXPECT_EQ(left[10], 0.0f);
    effect->processReplacing(effect, nullptr, oneChannel, -3);
    effect->processReplacing(effect, nullptr, oneChannel, 0);
}

} // namespace
} // namespace tarvolin
