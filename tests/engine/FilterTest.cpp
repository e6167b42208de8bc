#include "EngineTestSupport.h"

#include "engine/LadderFilter.h"
#include "engine/LowCut.h"
#include "engine/NoiseSource.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

namespace tarvolin {
namespace {

float run(LadderFilter& filter, float input, float cutoff, float resonance, long type) {
    filter.process(input, cutoff, resonance, type);
    return input;
}

TEST(NoiseSource, FollowsTheModuleWideCongruentialSequence) {
    const std::uint32_t saved = NoiseSource::seed();
    NoiseSource::setSeed(0);
    // Seed 12345 draws r = 0: the bare -0.5 offset.
    EXPECT_EQ(NoiseSource::next(1.0f), -0.5f);
    EXPECT_EQ(NoiseSource::seed(), 12345u);
    NoiseSource::next(1.0f);
    EXPECT_EQ(NoiseSource::seed(), 12345u * 1103515245u + 12345u);
    NoiseSource::setSeed(saved);
}

TEST(NoiseSource, LevelScalesTheDrawButNotTheOffset) {
    float silentMin = 1.0f, silentMax = -1.0f, loudMin = 1.0f, loudMax = -1.0f;
    double loudSum = 0.0;
    constexpr int kDraws = 100000;
    for (int i = 0; i < kDraws; ++i) {
        const float silent = NoiseSource::next(0.0f);
        silentMin = std::fmin(silentMin, silent);
        silentMax = std::fmax(silentMax, silent);
        const float loud = NoiseSource::next(1.0f);
        loudMin = std::fmin(loudMin, loud);
        loudMax = std::fmax(loudMax, loud);
        loudSum += loud;
    }
    EXPECT_GE(silentMin, -0.5f);
    EXPECT_LE(silentMax, -0.4999f);
    EXPECT_GE(loudMin, -0.5f);
    EXPECT_LT(loudMin, -0.49f);
    EXPECT_LE(loudMax, 0.5001f);
    EXPECT_GT(loudMax, 0.49f);
    EXPECT_NEAR(loudSum / kDraws, 0.0, 0.01);
}

TEST(LowCut, PassesAStepThenLetsItDieAwayAtThePole) {
    for (float setting : {0.0f, 1.0f}) {
        ChannelRecord record;
        EXPECT_EQ(LowCut::apply(record, 0.3f, setting), 0.3f);
        float previous = 0.3f;
        for (int i = 0; i < 100; ++i) {
            const float y = LowCut::apply(record, 0.3f, setting);
            EXPECT_NEAR(y / previous, setting == 0.0f ? 0.39995 : 0.99995, 1e-6);
            EXPECT_EQ(record.lowCutOutput, y);
            previous = y;
        }
        EXPECT_EQ(record.lowCutInput, 0.3f);
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

TEST(LadderFilter, ZeroCutoffFreezesTheStagesButTheCubicKeepsShrinkingTheLast) {
    LadderFilter filter;
    for (int i = 0; i < 500; ++i) {
        run(filter, i % 7 * 0.1f, 0.3f, 0.4f, 0);
    }
    const float s1 = filter.stage1(), s2 = filter.stage2(), s3 = filter.stage3();
    ASSERT_GT(filter.stage4(), 0.1f);
    for (float input : {0.5f, -0.7f, 0.2f}) {
        const float s4 = filter.stage4();
        const float highPass = run(filter, input, 0.0f, 0.4f, LadderFilter::kHighPass);
        // p = 0 and k = -1: stage 4 holds, then passes the soft limit again.
        EXPECT_EQ(filter.stage4(), s4 - s4 * s4 * s4 * 0.16666667f);
        EXPECT_EQ(highPass, (input - filter.stage4()) * (0.4f * 0.5f + 1.0f));
    }
    EXPECT_EQ(filter.stage1(), s1);
    EXPECT_EQ(filter.stage2(), s2);
    EXPECT_EQ(filter.stage3(), s3);
}

TEST(LadderFilter, OutputsSplitTheSpectrum) {
    // Small signals, so the cubic limit barely acts. At resonance 0 the
    // low-pass gain is 1.25 at cutoff 0.5 and the others have no make-up.
    const auto settle = [](long type, bool alternate) {
        LadderFilter filter;
        float out = 0.0f;
        for (int i = 0; i < 2000; ++i) {
            out = run(filter, alternate && (i & 1) ? -0.01f : 0.01f, 0.5f, 0.0f, type);
        }
        return out;
    };
    EXPECT_NEAR(settle(LadderFilter::kLowPass, false), 0.0125f, 1e-5f);
    EXPECT_NEAR(settle(LadderFilter::kLowPass, true), 0.0f, 1e-5f);
    EXPECT_NEAR(settle(LadderFilter::kHighPass, false), 0.0f, 1e-5f);
    EXPECT_NEAR(std::fabs(settle(LadderFilter::kHighPass, true)), 0.01f, 1e-5f);
    EXPECT_NEAR(settle(LadderFilter::kBandPass, false), 0.0f, 1e-5f);
    EXPECT_NEAR(settle(LadderFilter::kBandPass, true), 0.0f, 1e-5f);
    EXPECT_EQ(settle(5, false), 0.01f); // unknown type: unfiltered
}

TEST(LadderFilter, ResonanceRaisesAPeak) {
    // Largest steady-state gain over a sweep of tones, low-pass at cutoff 0.4.
    const auto peakGain = [](float resonance) {
        double best = 0.0;
        for (double hz = 100.0; hz < 20000.0; hz *= 1.1) {
            LadderFilter filter;
            float peak = 0.0f;
            for (int i = 0; i < 8000; ++i) {
                const auto x =
                    static_cast<float>(0.01 * std::sin(2.0 * 3.14159265 * hz * i / 44100.0));
                const float y = run(filter, x, 0.4f, resonance, 0);
                if (i >= 4000) {
                    peak = std::fmax(peak, std::fabs(y));
                }
            }
            best = std::fmax(best, peak / 0.01);
        }
        return best;
    };
    EXPECT_GT(peakGain(0.9f), 2.0 * peakGain(0.0f));
}

} // namespace
} // namespace tarvolin
