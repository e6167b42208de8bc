#pragma once

#include "engine/OscillatorFront.h"

namespace tarvolin {

// The plain form: the cosine of the running phase, without feedback. Callers
// drive it at twice the oscillator's frequency, so it sounds an octave above
// the other three forms at the same note.
class SineOscillator {
public:
    SineOscillator() noexcept : front_(-OscillatorFront::kHalfRange) {}

    template <class Math> float render(const PhaseDrive& drive) noexcept {
        front_.advance<Math>(drive);
        return Math::cos(front_.phase());
    }

    // Built at -pi, but every note from silence starts at phase 0.
    void enterIdle() noexcept { front_.restartAt(0.0f); }

    const OscillatorFront& front() const noexcept { return front_; }

private:
    OscillatorFront front_;
};

} // namespace tarvolin
