// The instrument follows the host's sample rate, also while it plays.
#include "TestHost.h"
#include "TonePitch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace tarvolin {
namespace {

using host::midiEvent;
using testing::TestHost;

using testing::pitch;

double cents(double hertz, double reference) {
    return 1200.0 * std::log2(hertz / reference);
}

float largestStep(const std::vector<float>& samples) {
    float largest = 0.0f;
    for (std::size_t i = 1; i < samples.size(); ++i) {
        largest = std::max(largest, std::fabs(samples[i] - samples[i - 1]));
    }
    return largest;
}

TEST(SampleRate, ARateChangeWhileANoteSoundsKeepsThePitchAndTheVoiceEnds) {
    TestHost test;
    const auto& plugin = test.plugin;
    plugin.dispatch(effMainsChanged, 0, 1);
    test.play({midiEvent(0, 0x90, 69, 100)}, 4410);
    const std::vector<float> before = test.render(8820).left;
    const double reference = pitch(before, 44100.0);
    ASSERT_GT(reference, 100.0);

    // No suspend: the host changes the rate between two blocks.
    plugin.dispatch(effSetSampleRate, 0, 0, nullptr, 96000.0f);
    std::vector<float> after;
    for (int block = 0; block < 40; ++block) {
        const std::vector<float> samples = test.render(480).left;
        after.insert(after.end(), samples.begin(), samples.end());
    }
    for (float sample : after) {
        ASSERT_TRUE(std::isfinite(sample));
    }
    EXPECT_LE(largestStep(after), largestStep(before));
    const std::vector<float> settled(after.begin() + 4800, after.end());
    EXPECT_NEAR(cents(pitch(settled, 96000.0), reference), 0.0, 1.0);

    // A rate the instrument cannot run at changes nothing; the combined
    // request is followed as well.
    plugin.dispatch(effSetSampleRate, 0, 0, nullptr, 4000.0f);
    EXPECT_NEAR(cents(pitch(test.render(9600).left, 96000.0), reference), 0.0, 1.0);
    plugin.dispatch(effSetBlockSizeAndSampleRate, 0, 256, nullptr, 48000.0f);
    EXPECT_NEAR(cents(pitch(test.render(9600).left, 48000.0), reference), 0.0, 1.0);

    // The release ends in silence at the new rate.
    test.play({midiEvent(0, 0x80, 69, 0)}, 48000);
    for (float sample : test.render(256).left) {
        ASSERT_EQ(sample, 0.0f);
    }
}

} // namespace
} // namespace tarvolin
