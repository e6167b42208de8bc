#pragma once

#include "engine/OscillatorFront.h"

#include <cmath>

namespace tarvolin {

// Feedback phase modulation with the cosine fed back linearly: the phase runs
// ahead through one half of the cycle and lags through the other, which turns
// sin + cos of the bent phase into a sawtooth. With K = 0 (10 kHz and above)
// it is a plain sine of amplitude sqrt(2), shifted by an eighth of a turn.
class SawOscillator {
public:
    static constexpr float kFeedbackShare = 0.6f;

    SawOscillator() noexcept : front_(0.0f) {}

    float render(const PhaseDrive& drive) noexcept {
        const float amount = front_.updateFeedbackAmount(drive.frequency);
        front_.advance(drive);
        angle_ = front_.phase() + amount * feedback_;
        cosine_ = std::cos(angle_);
        sine_ = std::sin(angle_);
        feedback_ = kFeedbackShare * (feedback_ + cosine_);
        return sine_ + cosine_;
    }

    // Built at phase 0, but every note from silence starts at -pi.
    void enterIdle() noexcept {
        front_.restartAt(-OscillatorFront::kHalfRange);
        feedback_ = 0.0f;
    }

    const OscillatorFront& front() const noexcept { return front_; }
    float cosine() const noexcept { return cosine_; }
    float sine() const noexcept { return sine_; }
    float feedback() const noexcept { return feedback_; }
    float angle() const noexcept { return angle_; }

private:
    OscillatorFront front_;
    float cosine_ = 0.0f;
    float sine_ = 0.0f;
    float feedback_ = 0.0f;
    float angle_ = 0.0f;
};

static_assert(std::bit_cast<std::uint32_t>(SawOscillator::kFeedbackShare) == 0x3F19999Au);

} // namespace tarvolin
