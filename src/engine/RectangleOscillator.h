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

    template <class Math> float render(const PhaseDrive& drive, float pulseWidth) noexcept {
        const float amount = front_.updateFeedbackAmount(drive.frequency);
        front_.advance<Math>(drive);
        const float phase = front_.phase();

        const auto branches = Math::sinCosPair(phase + amount * feedback1_,
                                               (1.0f - pulseWidth) * OscillatorFront::kHalfRange +
                                                   amount * feedback2_ + phase);
        const auto lead = branches.first;
        const float lead1 = lead.cosine + kSineShare * lead.sine;
        feedback1_ = kLeadFeedbackShare * (feedback1_ + lead.cosine);

        const auto lag = branches.second;
        const float lag2 = lag.cosine + kSineShare * lag.sine;
        feedback2_ = kLagFeedbackShare * (feedback2_ + lag.cosine);

        return lead1 - lag2;
    }

    // Built at -pi, but every note from silence starts at phase 0. The lagging
    // branch's feedback is deliberately carried over from the last note.
    void enterIdle() noexcept {
        front_.restartAt(0.0f);
        feedback1_ = 0.0f;
    }

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
