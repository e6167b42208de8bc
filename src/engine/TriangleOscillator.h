#pragma once

#include "engine/OscillatorFront.h"

namespace tarvolin {

// A cosine whose phase is bent by the square of its own smoothed output. The
// square is never negative, so the bend only ever pushes the phase forward,
// and it sharpens the cosine towards a triangle. The feedback is a leaky
// average, 0.65 of the new output plus 0.25 of the old, so it stays within
// 0.65 / 0.75 (about 0.87) of zero.
class TriangleOscillator {
public:
    static constexpr float kOutputShare = 0.65f;
    static constexpr float kMemoryShare = 0.25f;

    TriangleOscillator() noexcept : front_(0.0f) {}

    AnglePair bend(const PhaseDrive& drive, float modSine, float /*pulseWidth*/) noexcept {
        const float amount = front_.updateFeedbackAmount(drive.frequency);
        const float phase = front_.advance(drive, 1.0f, modSine);
        const float angle = phase + amount * (feedback_ * feedback_);
        return {angle, angle};
    }
    float shape(const WavePair& waves) noexcept {
        const float output = waves.cosine1;
        feedback_ = kOutputShare * output + kMemoryShare * feedback_;
        return output;
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

static_assert(std::bit_cast<std::uint32_t>(TriangleOscillator::kOutputShare) == 0x3F266666u);

} // namespace tarvolin
