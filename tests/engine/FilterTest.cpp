#include "engine/LadderFilter.h"
#include "engine/LowCut.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tarvolin {
namespace {

float run(LadderFilter& filter, float input, float cutoff, float resonance, long type) {
    filter.process(input, cutoff, resonance, type);
    return input;
}

TEST(LowCut, PassesAStepThenLetsItDieAwayAtThePole) {
    for (float setting : {0.0f, 1.0f}) {
        float input = 0.0f, state = 0.0f;
        const LowCut::Coefficients filter = LowCut::coefficients(setting, 1.0);
        float previous = LowCut::apply(input, state, 0.3f, filter);
        EXPECT_EQ(previous, 0.3f);
        for (int i = 0; i < 100; ++i) {
            const float y = LowCut::apply(input, state, 0.3f, filter);
            EXPECT_NEAR(y / previous, setting == 0.0f ? 0.39995 : 0.99995, 1e-6);
            EXPECT_EQ(state, y);
            previous = y;
        }
    }
}

TEST(LadderFilter, CoefficientsAtTheEndsOfTheCutoffRange) {
    LadderFilter filter;
    run(filter, 0.1f, 0.0f, 0.5f, 0);
    EXPECT_EQ(filter.k(), -1.0f);
    EXPECT_EQ(filter.p(), 0.0f);
    run(filter, 0.1f, 1.0f, 0.0f, 0);
    EXPECT_EQ(filter.k(), 0.99f);
    EXPECT_EQ(filter.p(), 0.995f);
    EXPECT_EQ(filter.feedbackGain(), 0.0f);
}

TEST(LadderFilter, OutputsSplitTheSpectrum) {
    // Small signals, so the cubic barely acts. At resonance 0 the low-pass
    // gain is 1.25 at cutoff 0.5 and the other outputs have no make-up.
    const auto settle = [](long type, bool nyquist) {
        LadderFilter filter;
        float out = 0.0f;
        for (int i = 0; i < 2000; ++i) {
            out = run(filter, nyquist && (i & 1) ? -0.01f : 0.01f, 0.5f, 0.0f, type);
        }
        return std::fabs(out);
    };
    EXPECT_NEAR(settle(LadderFilter::kLowPass, false), 0.0125f, 1e-5f);
    EXPECT_NEAR(settle(LadderFilter::kLowPass, true), 0.0f, 1e-5f);
    EXPECT_NEAR(settle(LadderFilter::kHighPass, false), 0.0f, 1e-5f);
    EXPECT_NEAR(settle(LadderFilter::kHighPass, true), 0.01f, 1e-5f);
    EXPECT_NEAR(settle(LadderFilter::kBandPass, false), 0.0f, 1e-5f);
    EXPECT_NEAR(settle(LadderFilter::kBandPass, true), 0.0f, 1e-5f);
    EXPECT_EQ(settle(5, false), 0.01f); // unknown type: unfiltered
}

} // namespace
} // namespace tarvolin
