#pragma once

#include "engine/RectangleOscillator.h"
#include "engine/SawOscillator.h"
#include "engine/SineOscillator.h"
#include "engine/TriangleOscillator.h"

#include <cmath>
#include <type_traits>

namespace tarvolin {

// Stands in for a form that does not run: an oscillator whose volume is 0,
// or a form number beyond the four. It renders nothing and advances nothing.
struct SilentForm {};

template <class Form> inline constexpr bool kSounds = !std::is_same_v<Form, SilentForm>;

// One of a voice's two oscillators: all four forms, each with its own phase.
// Only the selected form runs in a sample, so switching the waveform in the
// middle of a note resumes the new form from where it last stopped.
class Oscillator {
public:
    enum Form : long { kSine = 0, kTriangle = 1, kSaw = 2, kRectangle = 3 };

    // Calls `visit` with the form that `form` (round(waveform parameter * 3))
    // names, or with a SilentForm for any other number.
    template <class Visit> void visitForm(long form, Visit&& visit) {
        switch (form) {
        case kSine:
            visit(sine_);
            break;
        case kTriangle:
            visit(triangle_);
            break;
        case kSaw:
            visit(saw_);
            break;
        case kRectangle:
            visit(rectangle_);
            break;
        default: {
            SilentForm silent;
            visit(silent);
            break;
        }
        }
    }

    // Start states for the next note from silence.
    void enterIdle() noexcept {
        sine_.enterIdle();
        triangle_.enterIdle();
        saw_.enterIdle();
        rectangle_.enterIdle();
    }

    // Whether the state of all four forms is finite. A NaN or an infinity
    // anywhere makes the sum non-finite, and so does a sum too large for a
    // float, which is no state to carry on from either.
    bool isFinite() const noexcept {
        const float sum = sine_.front().stateSum() + triangle_.front().stateSum() +
                          triangle_.feedback() + saw_.front().stateSum() + saw_.feedback() +
                          rectangle_.front().stateSum() + rectangle_.feedback1() +
                          rectangle_.feedback2();
        return std::isfinite(sum);
    }

    const SineOscillator& sine() const noexcept { return sine_; }
    const TriangleOscillator& triangle() const noexcept { return triangle_; }
    const SawOscillator& saw() const noexcept { return saw_; }
    const RectangleOscillator& rectangle() const noexcept { return rectangle_; }

private:
    SineOscillator sine_;
    TriangleOscillator triangle_;
    SawOscillator saw_;
    RectangleOscillator rectangle_;
};

} // namespace tarvolin
