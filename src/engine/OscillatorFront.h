#pragma once

#include <bit>
#include <cmath>
#include <cstdint>

namespace tarvolin {

// What drives an oscillator form for one sample: its frequency in hertz (which
// sets the feedback amount), the same frequency as radians per sample, the FM
// modulator's radians per sample and depth, and the share of its distance the
// smoothed increment closes (all per-rate values come from the caller).
struct PhaseDrive {
    float frequency = 0.0f;
    float step = 0.0f;
    float modStep = 0.0f;
    float fmAmount = 0.0f;
    float smoothing = 0.0f;
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

    // Hertz to radians per sample at a rate R: f * pi / (R / 2).
    static float phaseStep(float frequency, float halfRate) noexcept {
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

    // K for frequency f, stored for the form's shaping step.
    float updateFeedbackAmount(float frequency) noexcept {
        float amount = kFeedbackCeiling * (1.0f - kFeedbackSlope * frequency);
        if (amount < 0.0f) {
            amount = 0.0f;
        }
        feedbackAmount_ = amount;
        return amount;
    }

    // Advances both phases by one sample. The modulator is a sine stepping
    // by `drive.modStep`; sin + 1 never goes negative, so a positive `fmAmount`
    // only ever speeds the phase up (by up to 2 radians) and a negative one,
    // which only the inverted mod envelope gives, slows it down. The wrap takes
    // off one turn at most and there is none at the bottom, so a phase driven
    // faster than a turn per sample, or backwards, leaves -pi..pi and drifts;
    // cos and sin of it stay finite, only coarser as its magnitude grows.
    // Without FM the modulator's sine would be multiplied by 0, so it is not
    // evaluated at all.
    template <class Math> void advance(const PhaseDrive& drive) noexcept {
        modPhase_ = modPhase_ + drive.modStep;
        increment_ = drive.step;
        smoothedIncrement_ += (increment_ - smoothedIncrement_) * drive.smoothing;
        if (drive.fmAmount != 0.0f) {
            phase_ = phase_ + drive.fmAmount * (Math::sin(modPhase_) + 1.0f);
        }
        phase_ = phase_ + smoothedIncrement_;
        if (phase_ >= kHalfRange) {
            phase_ -= kHalfRange + kHalfRange;
        }
        if (modPhase_ >= kHalfRange) {
            modPhase_ -= kHalfRange + kHalfRange;
        }
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
