#pragma once

#include "engine/OscillatorFront.h"

namespace tarvolin {

// Feedback phase modulation with the cosine fed back linearly: the phase runs
// ahead through one half of the cycle and lags through the other, which turns
// sin + cos of the bent phase into a sawtooth. With K = 0 (10 kHz and above)
// it is a plain sine of amplitude sqrt(2), shifted by an eighth of a turn.
class SawOscillator {
public:
    static constexpr float kFeedbackShare = 0.6f;

    SawOscillator() noexcept : front_(0.0f) {}

    AnglePair bend(const PhaseDrive& drive, float modSine, float /*pulseWidth*/) noexcept {
        const float amount = front_.updateFeedbackAmount(drive.frequency);
        const float phase = front_.advance(drive, 1.0f, modSine);
        const float angle = phase + amount * feedback_;
        return {angle, angle};
    }
    float shape(const WavePair& waves) noexcept {
        feedback_ = kFeedbackShare * (feedback_ + waves.cosine1);
        return waves.sine1 + waves.cosine1;
    }

    // Built at phase 0, but every note from silence starts at -pi.
    void enterIdle() noexcept {
        front_.restartAt(-OscillatorFront::kHalfRange);
        feedback_ = 0.0f;
    }

    OscillatorFront& front() noexcept { return front_; }
    const OscillatorFront& front() const noexcept { return front_; }
    float feedback() const noexcept { return feedback_; }

private:
    OscillatorFront front_;
    float feedback_ = 0.0f;
};

static_assert(std::bit_cast<std::uint32_t>(SawOscillator::kFeedbackShare) == 0x3F19999Au);

} // namespace tarvolin
