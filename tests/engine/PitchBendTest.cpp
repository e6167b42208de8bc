#include "EngineTestSupport.h"

#include "engine/NoiseSource.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace tarvolin {
namespace {

// Oscillator 1 alone in `form`, note 69 held. The seed is fixed: the noise's
// constant part carries its last bits into the mix.
std::unique_ptr<SynthEngine> heldNote(float form) {
    NoiseSource::setSeed(1);
    auto engine = test::makeEngine();
    test::setParam(*engine, kVolumeOsc2, 0.0f);
    test::setParam(*engine, kWaveformOsc1, form);
    engine->noteOn(69, 0);
    return engine;
}

float largestStep(const std::vector<float>& samples, int from, int count) {
    float largest = 0.0f;
    for (int i = std::max(from, 1); i < from + count; ++i) {
        largest = std::max(largest, std::fabs(samples[i] - samples[i - 1]));
    }
    return largest;
}

TEST(PitchBend, TheWheelsEndsBendTwoSemitonesInEveryForm) {
    const auto settled = [](SynthEngine& engine) {
        test::render(engine, 4410);
        return test::measureFrequency(test::render(engine, 22050));
    };
    for (float form : {0.0f, 1.0f / 3.0f, 2.0f / 3.0f, 1.0f}) {
        const double centre = settled(*heldNote(form));
        for (int position : {0, PitchBend::kHighest}) {
            auto engine = heldNote(form);
            engine->pitchBend(0, position);
            const double cents = 1200.0 * std::log2(settled(*engine) / centre);
            EXPECT_NEAR(cents, position == 0 ? -200.0 : 200.0, 1.0) << form;
        }
    }
}

// A sweep of the wheel, a message every 2 ms: just after each message no step
// between two samples is larger than the note's own largest step held at
// either end, give or take the 1 % by which the feedback's brightness changes
// on the way. A wheel step that broke the wave would stand out far more.
TEST(PitchBend, ASweepOfTheWheelDoesNotClick) {
    constexpr int kMessages = 50, kApart = 88;
    for (float form : {0.0f, 1.0f / 3.0f, 2.0f / 3.0f, 1.0f}) {
        auto engine = heldNote(form);
        const float below = largestStep(test::render(*engine, 4410), 2205, 2205);
        std::vector<float> sweep;
        for (int m = 1; m <= kMessages; ++m) {
            engine->pitchBend(0, PitchBend::kCentre + m * 8191 / kMessages);
            const std::vector<float> part = test::render(*engine, kApart);
            sweep.insert(sweep.end(), part.begin(), part.end());
        }
        const float above = largestStep(test::render(*engine, 4410), 2205, 2205);
        for (int m = 0; m < kMessages; ++m) {
            ASSERT_LE(largestStep(sweep, m * kApart, 16), std::max(below, above) * 1.01f)
                << "form " << form << ", message " << m;
        }
    }
}

} // namespace
} // namespace tarvolin
