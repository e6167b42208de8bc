#pragma once

#include <climits>
#include <cmath>

namespace tarvolin {

// Nearest integer, ties to even, as every float-to-integer conversion of the
// instrument rounds. Values beyond the int range saturate instead of
// overflowing; NaN gives 0.
inline int roundToInt(double value) {
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

} // namespace tarvolin
