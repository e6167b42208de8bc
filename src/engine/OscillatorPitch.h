#pragma once

#include "engine/OscillatorFront.h"
#include "engine/PitchLaw.h"

#include <limits>

namespace tarvolin {

// An oscillator's frequency and phase step for the pitch it was last asked
// for. The pitch law is the costliest arithmetic of a sample and its argument
// holds still through most notes, so it is worked out only when that changes.
class OscillatorPitch {
public:
    template <class Math> void follow(float pitch, float halfRate) noexcept {
        if (pitch != pitch_) {
            pitch_ = pitch;
            frequency_ = PitchLaw::frequency<Math>(pitch);
            step_ = OscillatorFront::phaseStep(frequency_, halfRate);
        }
    }

    // The step depends on the rate: after a change it is worked out afresh.
    void forget() noexcept { pitch_ = std::numeric_limits<float>::quiet_NaN(); }

    float frequency() const noexcept { return frequency_; }
    float step() const noexcept { return step_; }

private:
    float pitch_ = std::numeric_limits<float>::quiet_NaN();
    float frequency_ = 0.0f;
    float step_ = 0.0f;
};

} // namespace tarvolin
