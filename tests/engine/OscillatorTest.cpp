#include "EngineTestSupport.h"

#include "engine/NoiseSource.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tarvolin {
namespace {

constexpr float kPi = OscillatorFront::kHalfRange;

// What the engine hands a form at 44100 Hz for these frequencies.
PhaseDrive drive(float frequency, float fmAmount, float modFrequency) {
    constexpr float kHalfRate = 22050.0f;
    return {frequency, OscillatorFront::phaseStep(frequency, kHalfRate),
            OscillatorFront::phaseStep(modFrequency, kHalfRate), fmAmount,
            OscillatorFront::kIncrementSmoothing};
}

TEST(Oscillator, FeedbackAmountFallsFromTwoPointThreeToZeroAtTenKilohertz) {
    for (float f : {0.0f, 5000.0f, 10000.0f, 15000.0f}) {
        Oscillator osc;
        for (long form : {Oscillator::kTriangle, Oscillator::kSaw, Oscillator::kRectangle}) {
            test::renderOscillator(osc, form, drive(f, 0.0f, 0.0f));
        }
        const float expected = f >= 10000.0f ? 0.0f : 2.3f * (1.0f - f / 10000.0f);
        for (float k : {osc.triangle().front().feedbackAmount(), osc.saw().front().feedbackAmount(),
                        osc.rectangle().front().feedbackAmount()}) {
            EXPECT_NEAR(k, expected, 1e-6f) << f;
        }
    }
}

TEST(Oscillator, StartStatesWhenBuiltAndWhenIdle) {
    Oscillator osc;
    EXPECT_EQ(osc.sine().front().phase(), -kPi);
    EXPECT_EQ(osc.sine().front().modPhase(), -kPi);
    EXPECT_EQ(osc.triangle().front().phase(), 0.0f);
    EXPECT_EQ(osc.saw().front().phase(), 0.0f);
    EXPECT_EQ(osc.rectangle().front().modPhase(), -kPi);

    for (long form = 0; form < 4; ++form) {
        for (int i = 0; i < 77; ++i) {
            test::renderOscillator(osc, form, drive(300.0f, 0.2f, 500.0f), 0.3f);
        }
    }
    const float lagFeedback = osc.rectangle().feedback2();
    ASSERT_NE(lagFeedback, 0.0f);
    osc.enterIdle();

    const OscillatorFront* fronts[] = {&osc.sine().front(), &osc.triangle().front(),
                                       &osc.saw().front(), &osc.rectangle().front()};
    const float idlePhases[] = {0.0f, -kPi, -kPi, 0.0f};
    for (int form = 0; form < 4; ++form) {
        EXPECT_EQ(fronts[form]->phase(), idlePhases[form]) << form;
        EXPECT_EQ(fronts[form]->modPhase(), idlePhases[form]) << form;
        EXPECT_EQ(fronts[form]->smoothedIncrement(), 0.0f) << form;
    }
    EXPECT_EQ(osc.triangle().feedback(), 0.0f);
    EXPECT_EQ(osc.saw().feedback(), 0.0f);
    EXPECT_EQ(osc.rectangle().feedback1(), 0.0f);
    EXPECT_EQ(osc.rectangle().feedback2(), lagFeedback);
}

TEST(Oscillator, PulseWidthDrawsTheRectangleBranchesTogether) {
    // Above 10 kHz there is no feedback: w = 0 gives twice cos + 0.3 sin, and
    // the output shrinks with the width until it vanishes at 1.
    const auto rms = [](float width) {
        Oscillator osc;
        double sum = 0.0;
        for (int i = 0; i < 4410; ++i) {
            const double s = test::renderOscillator(osc, Oscillator::kRectangle,
                                                    drive(12000.0f, 0.0f, 0.0f), width);
            sum += s * s;
        }
        return std::sqrt(sum / 4410.0);
    };
    EXPECT_NEAR(rms(0.0f), 2.0 * std::sqrt(1.09 / 2.0), 0.01);
    EXPECT_LT(rms(0.5f), rms(0.0f));
    EXPECT_LT(rms(0.9f), rms(0.5f));
    EXPECT_EQ(rms(1.0f), 0.0);
}

TEST(NoiseSource, FollowsTheCongruentialSequenceAndKeepsItsOffset) {
    NoiseSource::setSeed(0);
    {
        NoiseSource noise;
        EXPECT_EQ(noise.next(1.0f), -0.5f); // seed 12345 draws r = 0
        noise.next(1.0f);
    }
    // Handed back when the source goes.
    EXPECT_EQ(NoiseSource::seed(), 12345u * 1103515245u + 12345u);
    NoiseSource noise;
    double sum = 0.0;
    for (int i = 0; i < 100000; ++i) {
        sum += noise.next(1.0f);
    }
    EXPECT_NEAR(sum / 100000.0, 0.0, 0.01); // centred at level 1
}

} // namespace
} // namespace tarvolin
