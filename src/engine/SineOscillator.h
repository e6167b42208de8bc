#pragma once

#include "engine/OscillatorFront.h"

#include <cmath>

namespace tarvolin {

// The plain form: the cosine of the running phase, without feedback. Callers
// drive it at twice the oscillator's frequency, so it sounds an octave above
// the other three forms at the same note.
class SineOscillator {
public:
    SineOscillator() noexcept : front_(-OscillatorFront::kHalfRange) {}

    float render(const PhaseDrive& drive) noexcept {
        front_.advance(drive);
        output_ = std::cos(front_.phase());
        return output_;
    }

    // Built at -pi, but every note from silence starts at phase 0.
    void enterIdle() noexcept { front_.restartAt(0.0f); }

    const OscillatorFront& front() const noexcept { return front_; }
    float output() const noexcept { return output_; }

private:
    OscillatorFront front_;
    float output_ = 0.0f;
};

} // namespace tarvolin
