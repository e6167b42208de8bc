#include "engine/LadderTuning.h"

#include "engine/LadderFilter.h"
#include "engine/RateCoefficients.h"

#include <algorithm>
#include <cmath>

namespace tarvolin {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kReferenceRate = RateCoefficients::kReferenceRate;

// The prewarped corner tan(w / 2) of the stage with pole -k, and back.
double warpedCorner(double k) {
    return (1.0 + k) / (1.0 - k);
}
double poleForWarpedCorner(double corner) {
    return (corner - 1.0) / (corner + 1.0);
}

// Where the resonance of the law's filter with stage corner `corner` sings at
// 44100 Hz: the frequency at which the four stages and the one-sample delay
// turn the loop by half a turn, 4 atan(tan(w / 2) / corner) + w = pi. Newton's
// method from the stage corner, where the left side exceeds pi by w.
double resonanceRadians(double corner) {
    double w = 2.0 * std::atan(corner);
    for (int i = 0; i < 8; ++i) {
        const double t = std::tan(0.5 * w);
        const double u = t / corner;
        const double excess = 4.0 * std::atan(u) + w - kPi;
        const double slope = 2.0 * (1.0 + t * t) / (corner * (1.0 + u * u)) + 1.0;
        w -= excess / slope;
    }
    return w;
}

} // namespace

void LadderTuning::setRate(float rate) noexcept {
    reference_ = rate == RateCoefficients::kReferenceRate;
    const double delay = std::max(1.0, rate / kReferenceRate);
    delaySamples_ = static_cast<int>(delay);
    delayFraction_ = static_cast<float>(delay - delaySamples_);
    if (reference_) {
        return;
    }

    // Each corner is placed so that at the frequency where the resonance sings
    // (or at the top of the band that matters, 10 kHz or 0.45 of the rate, if
    // that is lower) every stage turns the phase as far as at 44100 Hz: with
    // the delay as long in seconds, the loop then sings at the same pitch and
    // the response around it keeps its shape. Below 44100 Hz the delay is
    // longer than at 44100 Hz, and the stages make up for the difference.
    const double topCorner = warpedCorner(LadderFilter::kHighestPole);
    const double bandTop = std::min(10000.0, 0.45 * rate);
    for (int i = 0; i <= kSegments; ++i) {
        const float cutoff = static_cast<float>(i) / static_cast<float>(kSegments);
        const double corner = warpedCorner(LadderFilter::cutoffPole(cutoff));
        double scaled = 0.0;
        if (corner > 0.0) {
            const double hertz =
                std::min(resonanceRadians(corner) / (2.0 * kPi) * kReferenceRate, bandTop);
            const double stagePhase = std::atan(std::tan(kPi * hertz / kReferenceRate) / corner);
            const double delayPhase = 2.0 * kPi * hertz * (1.0 / kReferenceRate - delay / rate);
            const double phase = stagePhase + 0.25 * delayPhase;
            scaled = phase > 0.0 ? std::tan(kPi * hertz / rate) / std::tan(phase) : topCorner;
        }
        poles_[static_cast<std::size_t>(i)] =
            static_cast<float>(poleForWarpedCorner(std::min(scaled, topCorner)));
    }
}

} // namespace tarvolin
