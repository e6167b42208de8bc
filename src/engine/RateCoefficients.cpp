#include "engine/RateCoefficients.h"

#include "engine/Envelope.h"
#include "engine/OscillatorFront.h"
#include "engine/PitchLaw.h"

#include <cmath>

namespace tarvolin {

void RateCoefficients::setRate(float rate) noexcept {
    rate_ = rate;
    const float ratio = kReferenceRate / rate; // exactly 1 at the reference rate
    referenceSamplesPerSample_ = static_cast<double>(kReferenceRate) / rate;
    halfRate_ = rate * 0.5f;
    glidePerSample_ = PitchLaw::kGlidePerSample * ratio;
    envelopeRate_ = Envelope::kSlopePerSecond / rate;
    // Closing a share s per sample leaves (1 - s)^n after n samples; the same
    // time at another rate leaves as much after n / ratio samples.
    incrementSmoothing_ = OscillatorFront::kIncrementSmoothing;
    if (!isReference()) {
        const double remaining = 1.0 - static_cast<double>(OscillatorFront::kIncrementSmoothing);
        incrementSmoothing_ =
            static_cast<float>(1.0 - std::pow(remaining, referenceSamplesPerSample_));
    }
    ladder_.setRate(rate);
}

} // namespace tarvolin
