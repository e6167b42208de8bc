#include "EngineTestSupport.h"

#include "engine/DenormalGuard.h"
#include "engine/LadderFilter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <limits>

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
        const int pick = below(8);
        return pick == 0   ? 0.0f
               : pick == 1 ? 1.0f
               : pick == 2 ? 0.5f
               : pick == 3 ? unit() * 0.005f
                           : unit();
    }

private:
    std::uint32_t state_;
};

// The saturation never exceeds 2 / sqrt(3) in magnitude; VOLUME scales it.
constexpr float kSaturationPeak = 1.1547006f;

TEST(Robustness, RandomPatchesNotesAndKnobMovesStayFiniteAndBounded) {
    DenormalGuard guard;
    Random random(20240611u);
    // Two minutes of audio in all; unoptimised (sanitizer) builds run a
    // quarter of it.
#if defined(__OPTIMIZE__)
    constexpr int kPatches = 60;
#else
    constexpr int kPatches = 15;
#endif
    constexpr int kSamplesPerPatch = 88200;
    for (int patch = 0; patch < kPatches; ++patch) {
        auto engine = test::makeEngine();
        for (int i = 0; i < kNumParameters; ++i) {
            test::setParam(*engine, static_cast<ParameterIndex>(i), random.knob());
        }
        int note = 0;
        int firstBad = -1;
        float badValue = 0.0f;
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
            // NaN fails this comparison too.
            const float limit = kSaturationPeak * engine->parameter(0, kVolume) + 1e-6f;
            if (!(std::fabs(out) <= limit) && firstBad < 0) {
                firstBad = sample;
                badValue = out;
            }
        }
        ASSERT_LT(firstBad, 0) << "patch " << patch << " sample " << firstBad << ": " << badValue;
    }
}

// Extreme settings held for a long time, straight on the filter.
void expectBoundedFilter(float cutoff, float resonance, float amplitude, int samples) {
    LadderFilter filter;
    Random random(7u);
    for (int i = 0; i < samples; ++i) {
        float sample = (random.unit() * 2.0f - 1.0f) * amplitude;
        filter.process(sample, cutoff, resonance, i % 3);
        // The cubic's peak on its rising part is 2 sqrt(2) / 3; NaN fails too.
        if (!(std::fabs(sample) < 1000.0f && std::fabs(filter.stage3()) < 100.0f &&
              std::fabs(filter.stage4()) <= 0.94281f)) {
            FAIL() << "cutoff " << cutoff << " sample " << i << ": output " << sample
                   << ", stage 3 " << filter.stage3() << ", stage 4 " << filter.stage4();
        }
    }
}

TEST(Robustness, LoudInputAtHighResonanceCannotRunTheLadderAway) {
    for (float cutoff : {1.0f, 0.6f, 0.2f}) {
        expectBoundedFilter(cutoff, 1.0f, 1.98f, 200000);
    }
}

TEST(Robustness, LadderHeldJustAboveZeroCutoffStaysBounded) {
    // 30 seconds at the cutoff where the pole would sit furthest outside the
    // unit circle (a free-running state passes 100 after about 15 s), and a
    // few neighbours.
    expectBoundedFilter(0.0025f, 0.5f, 0.99f, 1323000);
    for (float cutoff : {0.0001f, 0.001f, 0.004f, 0.0049f}) {
        expectBoundedFilter(cutoff, 1.0f, 0.99f, 200000);
    }
}

// However a voice's state came to hold a NaN or an infinity, the next block
// starts it afresh: the held note sounds again instead of silence for good.
TEST(Robustness, AVoiceWithNonFiniteStateIsResetAtTheNextBlock) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const auto poisonFilter = [nan](Voice& voice) {
        float sample = nan;
        voice.filter.process(sample, 0.5f, 0.5f, 0);
    };
    const auto poisonOscillator = [nan](Voice& voice) {
        test::renderOscillator(voice.osc2, Oscillator::kRectangle, {nan, nan, 0.0f, 0.0f, 0.1f});
    };
    for (const auto& poison :
         std::initializer_list<std::function<void(Voice&)>>{poisonFilter, poisonOscillator}) {
        auto engine = test::makeEngine();
        test::setParam(*engine, kWaveformOsc2, 1.0f);
        engine->noteOn(69, 0);
        test::render(*engine, 100);
        poison(engine->voice(0));
        ASSERT_FALSE(engine->voice(0).isFinite());

        engine->recoverFaultedVoice();
        EXPECT_TRUE(engine->voice(0).isFinite());
        const auto samples = test::render(*engine, 2000);
        float peak = 0.0f;
        for (float sample : samples) {
            ASSERT_TRUE(std::isfinite(sample));
            peak = std::max(peak, std::fabs(sample));
        }
        EXPECT_GT(peak, 0.05f);
        EXPECT_EQ(engine->channel(0).gate, 1.0f);
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
