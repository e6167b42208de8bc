#pragma once

#include "engine/OscillatorFront.h"

namespace tarvolin {

// The difference of two feedback branches on the same phase, each cos + 0.3 sin
// of its bent angle. The second branch lags the first by (1 - w) * pi: half a
// period at w = 0 gives a square, and as w approaches 1 the branches line up
// and the output shrinks. They cancel fully only without feedback (10 kHz and
// above), since the two branches feed back with different shares.
class RectangleOscillator {
public:
    static constexpr float kSineShare = 0.3f;
    static constexpr float kLeadFeedbackShare = 0.6f;
    static constexpr float kLagFeedbackShare = 0.5f;

    RectangleOscillator() noexcept : front_(-OscillatorFront::kHalfRange) {}

    AnglePair bend(const PhaseDrive& drive, float modSine, float pulseWidth) noexcept {
        const float amount = front_.updateFeedbackAmount(drive.frequency);
        const float phase = front_.advance(drive, 1.0f, modSine);
        return {phase + amount * feedback1_,
                (1.0f - pulseWidth) * OscillatorFront::kHalfRange + amount * feedback2_ + phase};
    }
    float shape(const WavePair& waves) noexcept {
        const float lead = waves.cosine1 + kSineShare * waves.sine1;
        feedback1_ = kLeadFeedbackShare * (feedback1_ + waves.cosine1);
        const float lag = waves.cosine2 + kSineShare * waves.sine2;
        feedback2_ = kLagFeedbackShare * (feedback2_ + waves.cosine2);
        return lead - lag;
    }

    // Built at -pi, but every note from silence starts at phase 0. The lagging
    // branch's feedback is deliberately carried over from the last note.
    void enterIdle() noexcept {
        front_.restartAt(0.0f);
        feedback1_ = 0.0f;
    }

    OscillatorFront& front() noexcept { return front_; }
    const OscillatorFront& front() const noexcept { return front_; }
    float feedback1() const noexcept { return feedback1_; }
    float feedback2() const noexcept { return feedback2_; }

private:
    OscillatorFront front_;
    float feedback1_ = 0.0f;
    float feedback2_ = 0.0f;
};

static_assert(std::bit_cast<std::uint32_t>(RectangleOscillator::kSineShare) == 0x3E99999Au);
static_assert(std::bit_cast<std::uint32_t>(RectangleOscillator::kLeadFeedbackShare) == 0x3F19999Au);

} // namespace tarvolin
