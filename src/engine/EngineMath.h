#pragma once

#include <climits>
#include <cmath>

namespace tarvolin {

// Small arithmetic shared by the engine and the instrument. The sound is
// defined to the bit, so these helpers fix the order of the products and the
// rounding rule once instead of leaving each caller to pick its own.

// x^4 as the left-to-right product ((x * x) * x) * x. The parameters use a
// fourth power as their taper: fine steps at the bottom of each knob's travel.
inline float fourthPower(float x) noexcept {
    return x * x * x * x;
}

// Nearest integer, ties to even (0.5 -> 0, 1.5 -> 2), as every float-to-integer
// conversion rounds. Values beyond the int range saturate instead of
// overflowing; NaN gives 0. Every value a float holds is exact as a double, so
// one function serves both.
inline int roundToInt(double value) noexcept {
    if (!(value == value)) {
        return 0;
    }
    const double rounded = std::nearbyint(value);
    if (rounded >= static_cast<double>(INT_MAX)) {
        return INT_MAX;
    }
    if (rounded <= static_cast<double>(INT_MIN)) {
        return INT_MIN;
    }
    return static_cast<int>(rounded);
}

// The same rounding, kept as a float for sums that stay in floating point.
inline float roundToWhole(float x) noexcept {
    return std::nearbyint(x);
}

// MIDI data bytes scaled onto 0..1: the float nearest 1/127. Note 127 at full
// key follow gives 127 times that, which single precision rounds to exactly 1.
inline constexpr float kMidiValueScale = 0.007874016f;

} // namespace tarvolin
