#pragma once

#include "engine/Float4.h"
#include "engine/RunLength.h"

#include <bit>
#include <cmath>
#include <cstdint>

namespace tarvolin {

// What drives an oscillator form for one sample: its frequency in hertz (which
// sets the feedback amount), the same frequency as radians per sample, the FM
// modulator's radians per sample and depth, and the share of its distance the
// smoothed increment closes (all per-rate values come from the caller).
struct PhaseDrive {
    float frequency;
    float step;
    float modStep;
    float fmAmount;
    float smoothing;
};

// A form bends its phase into one or two angles each sample (a form with one
// repeats it), and shapes its output from their sines and cosines.
struct AnglePair {
    float first;
    float second;
};
struct WavePair {
    float sine1;
    float cosine1;
    float sine2;
    float cosine2;
};

// The phase machinery every oscillator form shares: a main phase that runs
// from -pi to +pi, a frequency-modulation phase beside it, the smoothed phase
// increment and the feedback amount K that the triangle, saw and rectangle
// forms feed their own output back with. Each form owns one front and adds
// its own wave shaping on top.
class OscillatorFront {
public:
    // The phase runs from -kHalfRange to +kHalfRange; the wrap subtracts a
    // whole turn, written as kHalfRange + kHalfRange.
    static constexpr float kHalfRange = 3.1415927f;

    // Hertz to radians per sample at a rate R: f * pi / (R / 2), of one
    // frequency or of four.
    template <class Real> static Real phaseStep(Real frequency, float halfRate) noexcept {
        return frequency * kHalfRange / halfRate;
    }

    // K falls linearly from 2.3 at 0 Hz to 0 at 10 kHz: strong feedback makes
    // the bright waves, and above 10 kHz it would only alias.
    static constexpr float kFeedbackCeiling = 2.3f;
    static constexpr float kFeedbackSlope = 0.0001f;

    // At 44100 Hz the increment closes this share of its distance to the
    // target each sample, which gives every note from silence a short upward
    // sweep.
    static constexpr float kIncrementSmoothing = 0.1f;

    explicit OscillatorFront(float startPhase) noexcept
        : phase_(startPhase), modPhase_(startPhase) {}

    // Puts both phases at `startPhase` and drops the increment to 0.
    void restartAt(float startPhase) noexcept {
        phase_ = startPhase;
        modPhase_ = startPhase;
        smoothedIncrement_ = 0.0f;
    }

    // K for frequency f, kept for the form's shaping step.
    float updateFeedbackAmount(float frequency) noexcept {
        float amount = kFeedbackCeiling * (1.0f - kFeedbackSlope * frequency);
        if (amount < 0.0f) {
            amount = 0.0f;
        }
        feedbackAmount_ = amount;
        return amount;
    }

    // The FM modulator is a sine stepping by `modStep`. Nothing else about
    // it depends on the rest of the oscillator, so it runs ahead through a
    // whole run of `count` samples (at most kLongestRun), sample j's step and
    // FM amount at index j * stride: `sines` receives the
    // sine of its phase after each sample's step, before the wrap, worked out
    // four at a time. If no sample of the run has FM, no sine is needed and
    // `sines` is left as it is.
    template <class Math>
    void runModulator(const float* modSteps, const float* fmAmounts, int stride, int count,
                      float* sines) noexcept {
        float phase = modPhase_;
        bool modulated = false;
        for (int j = 0; j < count; ++j) {
            const int at = j * stride;
            phase = phase + modSteps[at];
            sines[j] = phase;
            if (phase >= kHalfRange) {
                phase -= kHalfRange + kHalfRange;
            }
            modulated = modulated || fmAmounts[at] != 0.0f;
        }
        modPhase_ = phase;
        if (modulated) {
            for (int j = count; j % 4 != 0; ++j) {
                sines[j] = 0.0f;
            }
            for (int j = 0; j < count; j += 4) {
                store4(&sines[j], Math::sin(load4(&sines[j])));
            }
        }
    }

    // Advances the main phase by one sample, with `modSine` the modulator's
    // sine for it, and returns it. The step is `stepScale` times the drive's.
    // sin + 1 never goes negative, so a positive `fmAmount` only ever speeds
    // the phase up (by up to 2 radians) and a negative one, which only the
    // inverted mod envelope gives, slows it down. The wrap takes off one turn
    // at most and there is none at the bottom, so a phase driven faster than
    // a turn per sample, or backwards, leaves -pi..pi and drifts; cos and sin
    // of it stay finite, only coarser as its magnitude grows.
    float advance(const PhaseDrive& drive, float stepScale, float modSine) noexcept {
        increment_ = stepScale * drive.step;
        smoothedIncrement_ += (increment_ - smoothedIncrement_) * drive.smoothing;
        // Without FM the modulator's sine would be multiplied by 0.
        if (drive.fmAmount != 0.0f) {
            phase_ = phase_ + drive.fmAmount * (modSine + 1.0f);
        }
        phase_ = phase_ + smoothedIncrement_;
        if (phase_ >= kHalfRange) {
            phase_ -= kHalfRange + kHalfRange;
        }
        return phase_;
    }

    // The sum of the state the front carries from sample to sample.
    float stateSum() const noexcept { return phase_ + modPhase_ + smoothedIncrement_; }

    float phase() const noexcept { return phase_; }
    float modPhase() const noexcept { return modPhase_; }
    float increment() const noexcept { return increment_; }
    float smoothedIncrement() const noexcept { return smoothedIncrement_; }
    float feedbackAmount() const noexcept { return feedbackAmount_; }

private:
    float increment_ = 0.0f;
    float smoothedIncrement_ = 0.0f;
    float feedbackAmount_ = 0.0f;
    float phase_;
    float modPhase_;
};

static_assert(std::bit_cast<std::uint32_t>(OscillatorFront::kHalfRange) == 0x40490FDBu);
static_assert(std::bit_cast<std::uint32_t>(OscillatorFront::kFeedbackCeiling) == 0x40133333u);
static_assert(std::bit_cast<std::uint32_t>(OscillatorFront::kFeedbackSlope) == 0x38D1B717u);
static_assert(std::bit_cast<std::uint32_t>(OscillatorFront::kIncrementSmoothing) == 0x3DCCCCCDu);

} // namespace tarvolin
