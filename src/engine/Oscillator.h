#pragma once

#include "engine/RectangleOscillator.h"
#include "engine/SawOscillator.h"
#include "engine/SineOscillator.h"
#include "engine/TriangleOscillator.h"

#include <cmath>

namespace tarvolin {

// One of a voice's two oscillators: all four forms, each with its own phase.
// Only the selected form runs in a sample, so switching the waveform in the
// middle of a note resumes the new form from where it last stopped.
class Oscillator {
public:
    enum Form : long { kSine = 0, kTriangle = 1, kSaw = 2, kRectangle = 3 };

    // `count` values of the form `form` (round(waveform parameter * 3)), each
    // times `volume` added to its sample of `mix` (which lies `stride` floats
    // after the one before). Any other form number renders nothing and
    // advances nothing. The sine form runs at twice the frequency asked for;
    // doubling the step is exact, so it is the step that frequency would give.
    template <class Math>
    void renderRun(long form, const PhaseDrive* drives, const float* pulseWidths, float volume,
                   float* __restrict mix, int stride, int count) noexcept {
        switch (form) {
        case kSine:
            for (int j = 0; j < count; ++j) {
                PhaseDrive doubled = drives[j];
                doubled.frequency = 2.0f * drives[j].frequency;
                doubled.step = 2.0f * drives[j].step;
                mix[j * stride] += sine_.render<Math>(doubled) * volume;
            }
            break;
        case kTriangle:
            for (int j = 0; j < count; ++j) {
                mix[j * stride] += triangle_.render<Math>(drives[j]) * volume;
            }
            break;
        case kSaw:
            for (int j = 0; j < count; ++j) {
                mix[j * stride] += saw_.render<Math>(drives[j]) * volume;
            }
            break;
        case kRectangle:
            for (int j = 0; j < count; ++j) {
                mix[j * stride] += rectangle_.render<Math>(drives[j], pulseWidths[j]) * volume;
            }
            break;
        default:
            break;
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
