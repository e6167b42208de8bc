#pragma once

#include <cmath>

namespace tarvolin {

// Small arithmetic shared by every block of the engine. The sound is defined
// to the bit, so these helpers fix the order of the products and the rounding
// rule once instead of leaving each caller to pick its own.

// x^4 as the left-to-right product ((x * x) * x) * x. The parameters use a
// fourth power as their taper: fine steps at the bottom of each knob's travel.
inline float fourthPower(float x) noexcept {
    return x * x * x * x;
}

// Parameter-to-switch conversions round to the nearest integer with ties to
// even (0.5 -> 0, 1.5 -> 2). std::lrint honours the current rounding mode, which
// on the audio thread is always round-to-nearest; std::round would send the
// ties away from zero. Out-of-range input yields an unspecified value, never
// undefined behaviour, and every caller treats unknown values as "no effect".
inline long roundToInt(float x) noexcept {
    return std::lrint(x);
}

// The same rounding, kept as a float for sums that stay in floating point.
inline float roundToWhole(float x) noexcept {
    return std::nearbyint(x);
}

} // namespace tarvolin
