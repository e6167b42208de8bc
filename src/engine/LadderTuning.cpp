#include "engine/LadderTuning.h"

#include "engine/LadderFilter.h"
#include "engine/RateCoefficients.h"

#include <algorithm>
#include <cmath>

namespace tarvolin {

namespace {

constexpr double kPi = 3.14159265358979323846;

// The prewarped corner tan(w / 2) of the stage with pole -k, and back.
double warpedCorner(double k) {
    return (1.0 + k) / (1.0 - k);
}
double poleForWarpedCorner(double corner) {
    return (corner - 1.0) / (corner + 1.0);
}

} // namespace

void LadderTuning::setRate(float rate) noexcept {
    const double reference = RateCoefficients::kReferenceRate;
    reference_ = rate == RateCoefficients::kReferenceRate;
    const double delay = std::max(1.0, static_cast<double>(rate) / reference);
    delaySamples_ = static_cast<int>(delay);
    delayFraction_ = static_cast<float>(delay - delaySamples_);
    if (reference_) {
        return;
    }

    // The stage with the law's highest cutoff (k = 0.99) is the highest corner
    // any rate gets, which keeps the pole clear of Nyquist.
    const double topCorner = warpedCorner(LadderFilter::kHighestPole);
    // Above the top of the band that matters (10 kHz, or 0.45 of the rate where
    // that is lower) a corner is matched by its gain at that top instead: the
    // stage at 44100 Hz is much flatter there than one with the same corner at
    // a higher rate, and a lower rate has no room for it.
    const double bandTop = std::min(10000.0, 0.45 * rate);
    for (int i = 0; i <= kSegments; ++i) {
        const float cutoff = static_cast<float>(i) / static_cast<float>(kSegments);
        const double corner = warpedCorner(LadderFilter::cutoffPole(cutoff));
        const double hertz = std::atan(corner) / kPi * reference;
        const double matched = std::min(hertz, bandTop);
        double scaled = 0.0;
        if (matched > 0.0) {
            scaled = corner * std::tan(kPi * matched / rate) / std::tan(kPi * matched / reference);
        }
        poles_[static_cast<std::size_t>(i)] =
            static_cast<float>(poleForWarpedCorner(std::min(scaled, topCorner)));
    }
}

} // namespace tarvolin
