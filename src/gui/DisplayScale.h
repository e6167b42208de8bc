#pragma once

namespace tarvolin {

// The editor comes in two densities. Screens from 150 % (144 dots per inch,
// a scale factor of 1.5) up show the pictures drawn at twice the resolution;
// anything less shows them as drawn.
constexpr int scaleForDpi(double dotsPerInch) {
    return dotsPerInch >= 144.0 ? 2 : 1;
}
constexpr int scaleForFactor(double factor) {
    return factor >= 1.5 ? 2 : 1;
}

} // namespace tarvolin
