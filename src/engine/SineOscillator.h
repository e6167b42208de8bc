#pragma once

#include "engine/OscillatorFront.h"

namespace tarvolin {

// The plain form: the cosine of the running phase, without feedback. It runs
// at twice the frequency it is driven with, so it sounds an octave above the
// other three forms at the same note; doubling the step is exact, so it is
// the step that frequency would give.
class SineOscillator {
public:
    static constexpr float kStepScale = 2.0f;

    SineOscillator() noexcept : front_(-OscillatorFront::kHalfRange) {}

    AnglePair bend(const PhaseDrive& drive, float modSine, float /*pulseWidth*/) noexcept {
        const float phase = front_.advance(drive, kStepScale, modSine);
        return {phase, phase};
    }
    float shape(const WavePair& waves) noexcept { return waves.cosine1; }

    // Built at -pi, but every note from silence starts at phase 0.
    void enterIdle() noexcept { front_.restartAt(0.0f); }

    OscillatorFront& front() noexcept { return front_; }
    const OscillatorFront& front() const noexcept { return front_; }

private:
    OscillatorFront front_;
};

} // namespace tarvolin
