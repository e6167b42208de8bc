// The instrument through its own, format-free interface.

#include "instrument/Instrument.h"
#include "engine/NoiseSource.h"
#include "instrument/InstrumentListener.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <tuple>
#include <vector>

namespace tarvolin {
namespace {

MidiEvent message(int delay, int status, int data1, int data2) {
    return {delay,
            {static_cast<std::uint8_t>(status), static_cast<std::uint8_t>(data1),
             static_cast<std::uint8_t>(data2)}};
}

std::vector<float> play(Instrument& instrument, int frames, std::vector<MidiEvent> events = {}) {
    instrument.startEvents();
    for (const MidiEvent& event : events) {
        instrument.receiveEvent(event);
    }
    std::vector<float> output(static_cast<std::size_t>(frames));
    instrument.render(output.data(), frames);
    return output;
}

// The noise generator's seed is the module's, shared by every instance: two
// instances compared play the same stretch of its sequence.
void replayNoise() {
    NoiseSource::setSeed(0);
}

std::vector<std::byte> bytesOf(std::span<const std::byte> state) {
    return {state.begin(), state.end()};
}

TEST(Instrument, AStateMovesToAnotherInstrumentByteForByteAndPlaysAlike) {
    Instrument first;
    first.setValue(kWaveformOsc1, 1.0f);
    first.setValue(kCutoff, 0.3f);
    first.programs().setCurrentName("moved");
    Instrument second;
    ASSERT_TRUE(second.restoreState(first.state()));
    EXPECT_EQ(bytesOf(second.state()), bytesOf(first.state()));
    replayNoise();
    const std::vector<float> restored = play(second, 600, {message(10, 0x90, 57, 100)});
    replayNoise();
    EXPECT_EQ(restored, play(first, 600, {message(10, 0x90, 57, 100)}));

    const std::vector<std::byte> before = bytesOf(second.state());
    Instrument other;
    other.setValue(kCutoff, 0.9f);
    EXPECT_FALSE(second.restoreState(other.state().first(other.state().size() - 1)));
    EXPECT_FALSE(second.restoreState({}));
    EXPECT_EQ(bytesOf(second.state()), before);
}

TEST(Instrument, EventsFallDueAtTheirSampleAcrossBlocks) {
    Instrument early;
    replayNoise();
    std::vector<float> heard = play(early, 256, {message(300, 0x90, 60, 100)});
    const std::vector<float> rest = play(early, 256);
    heard.insert(heard.end(), rest.begin(), rest.end());

    Instrument onTime;
    replayNoise();
    std::vector<float> expected = play(onTime, 300);
    const std::vector<float> note = play(onTime, 212, {message(0, 0x90, 60, 100)});
    expected.insert(expected.end(), note.begin(), note.end());

    EXPECT_EQ(heard, expected);
    EXPECT_TRUE(std::all_of(heard.begin(), heard.begin() + 300, [](float s) { return s == 0.0f; }));
    EXPECT_NE(heard[300], 0.0f);
}

TEST(Instrument, ResetSilencesAtOnceAndPlaysOnAsANewInstanceWithItsSettings) {
    Instrument used;
    used.setValue(kWaveformOsc1, 1.0f);
    used.setValue(kLfo1Rate, 0.5f);
    used.setValue(kPortamento, 0.6f);
    play(used, 700,
         {message(0, 0x90, 40, 100), message(300, 0x90, 70, 100), message(650, 0xE0, 0, 127),
          message(900, 0x90, 76, 100)});
    EXPECT_FALSE(used.isIdle());
    used.reset();
    EXPECT_TRUE(used.isIdle());
    const std::vector<float> after = play(used, 400);
    EXPECT_TRUE(std::all_of(after.begin(), after.end(), [](float s) { return s == 0.0f; }));
    EXPECT_EQ(used.value(kPortamento), 0.6f);

    Instrument fresh;
    fresh.restoreState(used.state());
    replayNoise();
    const std::vector<float> expected = play(fresh, 500, {message(5, 0x90, 57, 100)});
    replayNoise();
    EXPECT_EQ(play(used, 500, {message(5, 0x90, 57, 100)}), expected);
}

TEST(Instrument, TheTailIsEndlessWhileANoteIsHeldThenTheReleaseThenNothing) {
    Instrument instrument;
    instrument.setValue(kSustainAmp, 0.5f);
    instrument.setValue(kReleaseAmp, 0.5f);
    EXPECT_EQ(instrument.tailSamples(), 0.0f);
    play(instrument, 100, {message(0, 0x90, 60, 100)});
    EXPECT_TRUE(std::isinf(instrument.tailSamples()));
    play(instrument, 1, {message(0, 0x80, 60, 0)});
    const float tail = instrument.tailSamples();
    ASSERT_GT(tail, 1.0f);
    play(instrument, static_cast<int>(tail) - 1);
    EXPECT_FALSE(instrument.isIdle());
    play(instrument, 2);
    EXPECT_TRUE(instrument.isIdle());
}

struct RecordingListener : InstrumentListener {
    void valueStored(int channel, int index, float value) override {
        stores.emplace_back(channel, index, value);
    }
    void channelSelected(int channel) override { selections.push_back(channel); }
    std::vector<std::tuple<int, int, float>> stores;
    std::vector<int> selections;
};

TEST(Instrument, TheListenerHearsEveryStoreWithItsChannel) {
    Instrument instrument;
    RecordingListener listener;
    instrument.setListener(&listener);

    instrument.setValue(kCutoff, 0.25f);
    play(instrument, 8, {message(3, 0xB5, 40, 127)}); // bound to the cutoff by default
    EXPECT_EQ(listener.stores, (std::vector<std::tuple<int, int, float>>{
                                   {0, kCutoff, 0.25f}, {5, kCutoff, 127 * 0.007874016f}}));

    listener.stores.clear();
    instrument.programs().select(2);
    EXPECT_EQ(listener.stores.size(), static_cast<std::size_t>(kNumChannels * kReloadedParameters));

    listener.stores.clear();
    instrument.setValue(kChannel, 1.0f);
    ASSERT_EQ(listener.stores.size(), static_cast<std::size_t>(1 + kReloadedParameters));
    EXPECT_EQ(listener.stores.front(), std::make_tuple(0, static_cast<int>(kChannel), 1.0f));
    EXPECT_EQ(std::get<0>(listener.stores.back()), 15);
    EXPECT_EQ(listener.selections, std::vector<int>{15});
}

} // namespace
} // namespace tarvolin
