#include "EngineTestSupport.h"

#include "engine/Oscillator.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

namespace tarvolin {
namespace {

constexpr float kPi = OscillatorFront::kHalfRange;

std::vector<float> renderForm(Oscillator& oscillator, long form, float frequency, std::size_t count,
                              float pulseWidth = 0.0f) {
    std::vector<float> samples(count);
    for (float& sample : samples) {
        sample = oscillator.render(form, frequency, 0.0f, pulseWidth, 0.0f);
    }
    return samples;
}

TEST(Oscillator, SineFormRunsAtTwiceTheFrequencyTheOthersAtTheFrequency) {
    for (long form :
         {Oscillator::kSine, Oscillator::kTriangle, Oscillator::kSaw, Oscillator::kRectangle}) {
        Oscillator oscillator;
        const double expected = form == Oscillator::kSine ? 880.0 : 440.0;
        EXPECT_NEAR(test::measureFrequency(renderForm(oscillator, form, 440.0f, 44100)), expected,
                    0.5)
            << "form " << form;
    }
}

TEST(Oscillator, FeedbackAmountFallsFromTwoPointThreeToZeroAtTenKilohertz) {
    TriangleOscillator triangle;
    SawOscillator saw;
    RectangleOscillator rectangle;
    for (float f : {0.0f, 5000.0f, 10000.0f, 15000.0f}) {
        triangle.render(f, 0.0f, 0.0f);
        saw.render(f, 0.0f, 0.0f);
        rectangle.render(f, 0.0f, 0.0f, 0.0f);
        const float expected = f >= 10000.0f ? 0.0f : 2.3f * (1.0f - f / 10000.0f);
        EXPECT_NEAR(triangle.front().feedbackAmount(), expected, 1e-6f) << f;
        EXPECT_EQ(saw.front().feedbackAmount(), triangle.front().feedbackAmount());
        EXPECT_EQ(rectangle.front().feedbackAmount(), triangle.front().feedbackAmount());
    }
    EXPECT_EQ(triangle.front().feedbackAmount(), 0.0f);
}

TEST(Oscillator, WithoutFeedbackTheFormsAreCosinesOfThePhase) {
    TriangleOscillator triangle;
    SawOscillator saw;
    RectangleOscillator rectangle;
    for (int i = 0; i < 200; ++i) {
        const float t = triangle.render(12000.0f, 0.0f, 0.0f);
        EXPECT_EQ(t, std::cos(triangle.front().phase()));
        const float s = saw.render(12000.0f, 0.0f, 0.0f);
        EXPECT_EQ(s, std::sin(saw.front().phase()) + std::cos(saw.front().phase()));
        const float r = rectangle.render(12000.0f, 0.0f, 0.0f, 0.0f);
        const float phase = rectangle.front().phase();
        const float lagging = kPi + phase;
        EXPECT_EQ(r, (std::cos(phase) + 0.3f * std::sin(phase)) -
                         (std::cos(lagging) + 0.3f * std::sin(lagging)));
    }
}

TEST(Oscillator, StartStatesWhenBuiltAndWhenIdle) {
    Oscillator oscillator;
    EXPECT_EQ(oscillator.sine().front().phase(), -kPi);
    EXPECT_EQ(oscillator.sine().front().modPhase(), -kPi);
    EXPECT_EQ(oscillator.triangle().front().phase(), 0.0f);
    EXPECT_EQ(oscillator.saw().front().phase(), 0.0f);
    EXPECT_EQ(oscillator.rectangle().front().phase(), -kPi);
    EXPECT_EQ(oscillator.rectangle().front().modPhase(), -kPi);

    for (long form = 0; form < 4; ++form) {
        for (int i = 0; i < 77; ++i) {
            oscillator.render(form, 300.0f, 0.2f, 0.3f, 500.0f);
        }
    }
    const float lagFeedback = oscillator.rectangle().feedback2();
    ASSERT_NE(lagFeedback, 0.0f);
    oscillator.enterIdle();

    EXPECT_EQ(oscillator.sine().front().phase(), 0.0f);
    EXPECT_EQ(oscillator.sine().front().modPhase(), 0.0f);
    EXPECT_EQ(oscillator.triangle().front().phase(), -kPi);
    EXPECT_EQ(oscillator.triangle().front().modPhase(), -kPi);
    EXPECT_EQ(oscillator.triangle().feedback(), 0.0f);
    EXPECT_EQ(oscillator.saw().front().phase(), -kPi);
    EXPECT_EQ(oscillator.saw().feedback(), 0.0f);
    EXPECT_EQ(oscillator.rectangle().front().phase(), 0.0f);
    EXPECT_EQ(oscillator.rectangle().feedback1(), 0.0f);
    EXPECT_EQ(oscillator.rectangle().feedback2(), lagFeedback);
    EXPECT_EQ(oscillator.sine().front().smoothedIncrement(), 0.0f);
    EXPECT_EQ(oscillator.triangle().front().smoothedIncrement(), 0.0f);
    EXPECT_EQ(oscillator.saw().front().smoothedIncrement(), 0.0f);
    EXPECT_EQ(oscillator.rectangle().front().smoothedIncrement(), 0.0f);
}

TEST(Oscillator, IncrementClosesTenPercentOfItsDistancePerSample) {
    SawOscillator saw;
    saw.render(1000.0f, 0.0f, 0.0f);
    const float target = saw.front().increment();
    EXPECT_NEAR(target, 1000.0 * 2.0 * std::numbers::pi / 44100.0, 1e-7);
    EXPECT_EQ(saw.front().smoothedIncrement(), target * 0.1f);
    float gap = target - saw.front().smoothedIncrement();
    for (int i = 0; i < 50; ++i) {
        saw.render(1000.0f, 0.0f, 0.0f);
        const float newGap = target - saw.front().smoothedIncrement();
        EXPECT_NEAR(newGap, gap * 0.9f, 1e-7f);
        gap = newGap;
    }
}

TEST(Oscillator, FrequencyModulation) {
    // Amount 0: the modulator runs but has no effect.
    SawOscillator slowModulator;
    SawOscillator fastModulator;
    for (int i = 0; i < 1000; ++i) {
        ASSERT_EQ(slowModulator.render(300.0f, 0.0f, 100.0f),
                  fastModulator.render(300.0f, 0.0f, 3000.0f));
    }
    EXPECT_NE(slowModulator.front().modPhase(), fastModulator.front().modPhase());

    // A positive amount only ever speeds the phase up, by at most 2b.
    SineOscillator sine;
    for (int i = 0; i < 1000; ++i) {
        const float before = sine.front().phase();
        sine.render(300.0f, 1.0f, 700.0f);
        float advance = sine.front().phase() - before;
        if (advance < 0.0f) {
            advance += 2.0f * kPi;
        }
        EXPECT_GE(advance, sine.front().smoothedIncrement() - 1e-5f);
        EXPECT_LE(advance, sine.front().smoothedIncrement() + 2.0f + 1e-5f);
    }
}

TEST(Oscillator, PulseWidthDrawsTheRectangleBranchesTogether) {
    // Above 10 kHz there is no feedback to tell the branches apart, so the
    // output shrinks with the width and vanishes at 1.
    const auto rms = [](float width) {
        Oscillator oscillator;
        const auto samples = renderForm(oscillator, Oscillator::kRectangle, 12000.0f, 4410, width);
        double sum = 0.0;
        for (float s : samples) {
            sum += static_cast<double>(s) * s;
        }
        return std::sqrt(sum / static_cast<double>(samples.size()));
    };
    EXPECT_NEAR(rms(0.0f), 2.0 * std::sqrt(1.09 / 2.0), 0.01);
    EXPECT_LT(rms(0.5f), rms(0.0f));
    EXPECT_LT(rms(0.9f), rms(0.5f));
    EXPECT_EQ(rms(1.0f), 0.0);
}

TEST(Oscillator, OnlyTheSelectedFormRunsAndResumesWhereItStopped) {
    Oscillator oscillator;
    renderForm(oscillator, Oscillator::kSaw, 440.0f, 100);
    const float sawPhase = oscillator.saw().front().phase();
    const float sinePhase = oscillator.sine().front().phase();
    renderForm(oscillator, Oscillator::kTriangle, 440.0f, 50);
    EXPECT_EQ(oscillator.saw().front().phase(), sawPhase);
    EXPECT_EQ(oscillator.sine().front().phase(), sinePhase);

    EXPECT_EQ(oscillator.render(7, 440.0f, 0.0f, 0.0f, 0.0f), 0.0f);
    EXPECT_EQ(oscillator.render(-1, 440.0f, 0.0f, 0.0f, 0.0f), 0.0f);
    EXPECT_EQ(oscillator.saw().front().phase(), sawPhase);
}

} // namespace
} // namespace tarvolin
