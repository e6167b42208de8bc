#include "engine/LowCut.h"

#include <algorithm>
#include <cmath>

namespace tarvolin {

namespace {

constexpr double kPi = 3.14159265358979323846;
// No corner is put above this share of the rate, where a lower rate has no room.
constexpr double kHighestCorner = 0.45;

} // namespace

LowCut::Coefficients LowCut::coefficients(float setting,
                                          double referenceSamplesPerSample) noexcept {
    const float pole = setting * kPoleRange + kLowestPole;
    if (referenceSamplesPerSample == 1.0) {
        return {pole, 1.0f};
    }
    // At 44100 Hz the filter is the bilinear high-pass with its corner at
    // 2 atan((1 - pole) / (1 + pole)) radians per sample, times 2 / (1 + pole).
    // The same corner in hertz and the same gain give the same response at
    // another rate, but for the warping near each rate's Nyquist.
    const double reference = pole;
    const double halfCorner = std::atan((1.0 - reference) / (1.0 + reference));
    const double scaled = std::min(halfCorner * referenceSamplesPerSample, kHighestCorner * kPi);
    const double warped = std::tan(scaled);
    const double newPole = (1.0 - warped) / (1.0 + warped);
    return {static_cast<float>(newPole), static_cast<float>((1.0 + newPole) / (1.0 + reference))};
}

} // namespace tarvolin
