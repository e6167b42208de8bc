#include "tarvolin-render/DemoTune.h"
#include "engine/ParameterIndex.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

namespace tarvolin::render {
namespace {

const Score kDemo = demoScore();

TEST(DemoTune, LastsTenToTwentySecondsWithEverythingInTimeOrderOnChannelOne) {
    EXPECT_GE(kDemo.lengthSamples, 10 * kSampleRate);
    EXPECT_LE(kDemo.lengthSamples, 20 * kSampleRate);
    EXPECT_GT(kDemo.lengthSamples, kDemo.midi.back().sample);
    const auto bySample = [](const auto& a, const auto& b) { return a.sample < b.sample; };
    EXPECT_TRUE(std::is_sorted(kDemo.midi.begin(), kDemo.midi.end(), bySample));
    EXPECT_TRUE(std::is_sorted(kDemo.automation.begin(), kDemo.automation.end(), bySample));
    for (const ScheduledMidi& message : kDemo.midi) {
        EXPECT_EQ(message.status & 0x0F, 0);
        EXPECT_LT(message.data1, 128);
        EXPECT_LT(message.data2, 128);
    }
}

// Replays the score as the instrument hears it: the voice knows only the last
// note, and only its note off releases it.
TEST(DemoTune, EndsReleasedAndGlidesWhereNotesOverlapWithPortamentoOn) {
    std::map<int, float> parameters;
    std::size_t nextChange = 0;
    int sounding = -1;
    int glides = 0;
    for (const ScheduledMidi& message : kDemo.midi) {
        while (nextChange < kDemo.automation.size() &&
               kDemo.automation[nextChange].sample <= message.sample) {
            parameters[kDemo.automation[nextChange].index] = kDemo.automation[nextChange].value;
            ++nextChange;
        }
        const int kind = message.status & 0xF0;
        if (kind == 0x90) {
            glides += sounding >= 0 && parameters[kPortamento] > 0.0f ? 1 : 0;
            sounding = message.data1;
        } else if (kind == 0x80 && message.data1 == sounding) {
            sounding = -1;
        }
    }
    EXPECT_EQ(sounding, -1);
    EXPECT_GE(glides, 8);
}

TEST(DemoTune, UsesEveryWaveformBothFilterControllersTheLfosAndTheModEnvelope) {
    std::set<float> waveforms;
    std::set<int> positiveRates;
    bool modEnvelope = false;
    for (const ScheduledParameter& change : kDemo.automation) {
        if (change.index == kWaveformOsc1 || change.index == kWaveformOsc2) {
            waveforms.insert(change.value);
        }
        if ((change.index == kLfo1Rate || change.index == kLfo2Rate) && change.value > 0.0f) {
            positiveRates.insert(change.index);
        }
        modEnvelope = modEnvelope || (change.index == kModEnvAmount && change.value > 0.0f);
    }
    EXPECT_EQ(waveforms, (std::set<float>{0.0f, 1.0f / 3.0f, 2.0f / 3.0f, 1.0f}));
    EXPECT_EQ(positiveRates.size(), 2u);
    EXPECT_TRUE(modEnvelope);

    std::map<int, std::set<int>> controllerValues;
    for (const ScheduledMidi& message : kDemo.midi) {
        if ((message.status & 0xF0) == 0xB0) {
            controllerValues[message.data1].insert(message.data2);
        }
    }
    EXPECT_GE(controllerValues[40].size(), 20u);
    EXPECT_GE(controllerValues[42].size(), 20u);
}

} // namespace
} // namespace tarvolin::render
