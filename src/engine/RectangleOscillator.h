#pragma once

#include "engine/OscillatorFront.h"

#include <cmath>

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

    float render(const PhaseDrive& drive, float pulseWidth) noexcept {
        const float amount = front_.updateFeedbackAmount(drive.frequency);
        front_.advance(drive);
        const float phase = front_.phase();

        const float angle1 = phase + amount * feedback1_;
        const float cosineOfAngle1 = std::cos(angle1);
        cosine1_ = cosineOfAngle1;
        sine1_ = kSineShare * std::sin(angle1);
        feedback1_ = kLeadFeedbackShare * (feedback1_ + cosineOfAngle1);

        angle2_ = (1.0f - pulseWidth) * OscillatorFront::kHalfRange + amount * feedback2_ + phase;
        const float cosineOfAngle2 = std::cos(angle2_);
        cosine2_ = cosineOfAngle2;
        sine2_ = kSineShare * std::sin(angle2_);
        feedback2_ = kLagFeedbackShare * (feedback2_ + cosineOfAngle2);

        return (cosine1_ + sine1_) - (cosine2_ + sine2_);
    }

    // Built at -pi, but every note from silence starts at phase 0. The lagging
    // branch's feedback is deliberately carried over from the last note.
    void enterIdle() noexcept {
        front_.restartAt(0.0f);
        feedback1_ = 0.0f;
    }

    const OscillatorFront& front() const noexcept { return front_; }
    float cosine1() const noexcept { return cosine1_; }
    float sine1() const noexcept { return sine1_; }
    float cosine2() const noexcept { return cosine2_; }
    float sine2() const noexcept { return sine2_; }
    float feedback1() const noexcept { return feedback1_; }
    float feedback2() const noexcept { return feedback2_; }
    float angle2() const noexcept { return angle2_; }

private:
    OscillatorFront front_;
    float cosine1_ = 0.0f;
    float sine1_ = 0.0f;
    float cosine2_ = 0.0f;
    float sine2_ = 0.0f;
    float feedback1_ = 0.0f;
    float feedback2_ = 0.0f;
    float angle2_ = 0.0f;
};

static_assert(std::bit_cast<std::uint32_t>(RectangleOscillator::kSineShare) == 0x3E99999Au);
static_assert(std::bit_cast<std::uint32_t>(RectangleOscillator::kLeadFeedbackShare) == 0x3F19999Au);

} // namespace tarvolin
