#pragma once

#include <cmath>

namespace tarvolin {

// Conversions of control values into pixels and picture numbers. Values come
// from hosts and may be anything: NaN counts as 0 and the rest is held far
// enough inside the integers that truncating it is defined.
inline constexpr float kPixelLimit = 1.0e8f;

// Truncated toward zero, as a C conversion does, after the limits above.
inline int truncatedPixels(float value) {
    if (std::isnan(value)) {
        return 0;
    }
    return static_cast<int>(std::fmax(-kPixelLimit, std::fmin(value, kPixelLimit)));
}

// Within 0..1, NaN at 0.
inline float unitInterval(float value) {
    return std::isnan(value) ? 0.0f : std::fmax(0.0f, std::fmin(value, 1.0f));
}

// Within low..high (for low <= high), NaN at low.
inline float withinRange(float value, float low, float high) {
    return std::isnan(value) ? low : std::fmax(low, std::fmin(value, high));
}

} // namespace tarvolin
