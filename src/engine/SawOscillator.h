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

    template <class Math> float render(const PhaseDrive& drive) noexcept {
        const float amount = front_.updateFeedbackAmount(drive.frequency);
        front_.advance<Math>(drive);
        const auto wave = Math::sinCos(front_.phase() + amount * feedback_);
        feedback_ = kFeedbackShare * (feedback_ + wave.cosine);
        return wave.sine + wave.cosine;
    }

    // Built at phase 0, but every note from silence starts at -pi.
    void enterIdle() noexcept {
        front_.restartAt(-OscillatorFront::kHalfRange);
        feedback_ = 0.0f;
    }

    const OscillatorFront& front() const noexcept { return front_; }
    float feedback() const noexcept { return feedback_; }

private:
    OscillatorFront front_;
    float feedback_ = 0.0f;
};

static_assert(std::bit_cast<std::uint32_t>(SawOscillator::kFeedbackShare) == 0x3F19999Au);

} // namespace tarvolin
