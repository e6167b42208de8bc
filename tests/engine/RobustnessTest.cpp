#include "EngineTestSupport.h"

#include "engine/DenormalGuard.h"
#include "engine/LadderFilter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

namespace tarvolin {
namespace {

// A small deterministic generator, the same on every platform and library.
class Random {
public:
    explicit Random(std::uint32_t seed) : state_(seed) {}
    std::uint32_t next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return state_;
    }
    float unit() { return static_cast<float>(next() >> 8) * (1.0f / 16777216.0f); }
    int below(int n) { return static_cast<int>(next() % static_cast<std::uint32_t>(n)); }
    // Knob values biased towards the ends and the middle, where the switches
    // and the arithmetic have their edges; and the cutoffs just above 0.
    float knob() {
        switch (below(8)) {
        case 0:
            return 0.0f;
        case 1:
            return 1.0f;
        case 2:
            return 0.5f;
        case 3:
            return unit() * 0.005f;
        default:
            return unit();
        }
    }

private:
    std::uint32_t state_;
};

// The saturation never exceeds 2 / sqrt(3) in magnitude; VOLUME scales it.
constexpr float kSaturationPeak = 1.1547006f;

TEST(Robustness, RandomPatchesNotesAndKnobMovesStayFiniteAndBounded) {
    DenormalGuard guard;
    Random random(20240611u);
    constexpr int kPatches = 60;
    constexpr int kSamplesPerPatch = 88200; // two minutes of audio in all
    for (int patch = 0; patch < kPatches; ++patch) {
        auto engine = test::makeEngine();
        for (int i = 0; i < kNumParameters; ++i) {
            test::setParam(*engine, static_cast<ParameterIndex>(i), random.knob());
        }
        int note = 0;
        for (int sample = 0; sample < kSamplesPerPatch; ++sample) {
            if (random.below(400) == 0) {
                switch (random.below(4)) {
                case 0:
                    note = random.below(128);
                    engine->noteOn(note, 0); // legato whenever a note is held
                    break;
                case 1:
                    engine->noteOff(note, 0);
                    break;
                case 2:
                    engine->noteOn(random.below(128), 1 + random.below(15));
                    break;
                default:
                    test::setParam(*engine,
                                   static_cast<ParameterIndex>(random.below(kNumParameters)),
                                   random.knob());
                    break;
                }
            }
            float out = 0.0f;
            engine->renderSample(out);
            const float volume = engine->channel(0).params[kVolume].load();
            ASSERT_TRUE(std::isfinite(out)) << "patch " << patch << " sample " << sample;
            ASSERT_LE(std::fabs(out), kSaturationPeak * volume + 1e-6f)
                << "patch " << patch << " sample " << sample;
        }
    }
}

// Extreme settings held for a long time, straight on the filter.
void expectBoundedFilter(float cutoff, float resonance, float amplitude, int samples) {
    LadderFilter filter;
    Random random(7u);
    for (int i = 0; i < samples; ++i) {
        float sample = (random.unit() * 2.0f - 1.0f) * amplitude;
        filter.process(sample, cutoff, resonance, i % 3);
        ASSERT_TRUE(std::isfinite(sample)) << "cutoff " << cutoff << " sample " << i;
        ASSERT_LT(std::fabs(filter.stage3()), 100.0f) << "cutoff " << cutoff << " sample " << i;
        // The cubic's peak on its rising part: 2 sqrt(2) / 3.
        ASSERT_LE(std::fabs(filter.stage4()), 0.94281f);
    }
}

TEST(Robustness, LoudInputAtHighResonanceCannotRunTheLadderAway) {
    for (float cutoff : {1.0f, 0.6f, 0.2f}) {
        expectBoundedFilter(cutoff, 1.0f, 1.98f, 200000);
    }
}

TEST(Robustness, LadderHeldJustAboveZeroCutoffStaysBounded) {
    // 90 seconds at the cutoff where the pole would sit furthest outside the
    // unit circle, and a few neighbours.
    expectBoundedFilter(0.0025f, 0.5f, 0.99f, 4000000);
    for (float cutoff : {0.0001f, 0.001f, 0.004f, 0.0049f}) {
        expectBoundedFilter(cutoff, 1.0f, 0.99f, 200000);
    }
}

TEST(DenormalGuard, FlushesInsideItsScopeAndRestoresAfter) {
    if (!DenormalGuard::isEffective()) {
        GTEST_SKIP() << "no SSE control register on this target";
    }
    volatile float tiny = 1e-39f; // subnormal
    volatile float one = 1.0f;
    ASSERT_NE(tiny * one, 0.0f);
    {
        DenormalGuard outer;
        EXPECT_EQ(tiny * one, 0.0f);
        {
            DenormalGuard inner;
            EXPECT_EQ(tiny * one, 0.0f);
        }
        EXPECT_EQ(tiny * one, 0.0f);
    }
    EXPECT_EQ(tiny * one, 1e-39f);
}

TEST(DenormalGuard, DecayingFilterStateGoesToZeroNotSubnormal) {
    if (!DenormalGuard::isEffective()) {
        GTEST_SKIP() << "no SSE control register on this target";
    }
    DenormalGuard guard;
    LadderFilter filter;
    float impulse = 1.0f;
    filter.process(impulse, 0.5f, 0.3f, 0);
    for (int i = 0; i < 100000; ++i) {
        float silence = 0.0f;
        filter.process(silence, 0.5f, 0.3f, 0);
        for (float state : {filter.stage1(), filter.stage2(), filter.stage3(), filter.stage4()}) {
            ASSERT_NE(std::fpclassify(state), FP_SUBNORMAL) << "sample " << i;
        }
    }
    EXPECT_EQ(filter.stage4(), 0.0f);
}

} // namespace
} // namespace tarvolin
