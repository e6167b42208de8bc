#pragma once

#include <cmath>
#include <limits>

namespace tarvolin::clap {

// A host's double as the float the instrument stores, which keeps what a
// host sets as it is: NaN and the infinities stay what they are, finite
// values beyond the float range become the largest float of their sign
// rather than an undefined conversion.
inline float storedValue(double value) {
    constexpr double kLargest = std::numeric_limits<float>::max();
    if (std::isfinite(value) && std::fabs(value) > kLargest) {
        return static_cast<float>(std::copysign(kLargest, value));
    }
    return static_cast<float>(value);
}

} // namespace tarvolin::clap
