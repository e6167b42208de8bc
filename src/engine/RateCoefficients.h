#pragma once

#include "engine/LadderTuning.h"

namespace tarvolin {

// What the engine derives from its sample rate, rebuilt only when the rate
// changes. The sound is defined at 44100 Hz: there every value here is the
// defining constant, bit for bit. At any other rate each value gives the same
// times, pitches and corners in seconds and hertz.
class RateCoefficients {
public:
    static constexpr float kReferenceRate = 44100.0f;
    static constexpr float kLowestRate = 8000.0f;
    static constexpr float kHighestRate = 192000.0f;

    // 8 kHz to 192 kHz; everything else (and NaN) is refused.
    static bool isAcceptable(float rate) noexcept {
        return rate >= kLowestRate && rate <= kHighestRate;
    }

    // At the reference rate.
    RateCoefficients() noexcept { setRate(kReferenceRate); }

    // `rate` must be acceptable. Allocates nothing.
    void setRate(float rate) noexcept;

    float rate() const noexcept { return rate_; }
    bool isReference() const noexcept { return rate_ == kReferenceRate; }
    // 44100 / rate: how many reference samples one sample stands for.
    double referenceSamplesPerSample() const noexcept { return referenceSamplesPerSample_; }

    // The oscillators turn hertz into radians per sample as f * pi / halfRate.
    float halfRate() const noexcept { return halfRate_; }
    // The share of its distance an oscillator's increment closes per sample.
    float incrementSmoothing() const noexcept { return incrementSmoothing_; }
    // Portamento at the bottom of its knob, semitones per sample.
    float glidePerSample() const noexcept { return glidePerSample_; }
    // The envelopes' base slope per sample.
    float envelopeRate() const noexcept { return envelopeRate_; }
    const LadderTuning& ladder() const noexcept { return ladder_; }

private:
    float rate_ = 0.0f;
    double referenceSamplesPerSample_ = 1.0;
    float halfRate_ = 0.0f;
    float incrementSmoothing_ = 0.0f;
    float glidePerSample_ = 0.0f;
    float envelopeRate_ = 0.0f;
    LadderTuning ladder_;
};

} // namespace tarvolin
