#pragma once

#include <array>

namespace tarvolin {

// The ladder's stage coefficient at the running sample rate. Each stage is the
// bilinear one-pole low-pass p (1 + z^-1) / (1 + k z^-1) with p = (k + 1) / 2,
// whose corner lies at 2 atan((1 + k) / (1 - k)) radians per sample. The cutoff
// law fixes k for every 0..1 cutoff at 44100 Hz; at another rate the same
// corner in hertz needs another k. Working that out takes a tangent per sample,
// so it is tabulated over the cutoff when the rate changes and read back with
// linear interpolation.
//
// The resonance feeds the fourth stage back one sample late; at 44100 Hz that
// delay turns the phase of the loop a little and so sets the pitch at which the
// filter sings. To keep that pitch, the feedback keeps the same delay in
// seconds: R / 44100 samples at a rate R, read between the two nearest samples.
// Below 44100 Hz the delay cannot shrink under one sample and the singing pitch
// drops slightly.
class LadderTuning {
public:
    static constexpr int kSegments = 1024;
    // The longest feedback delay: 192000 / 44100 samples, and one more to
    // interpolate from.
    static constexpr int kLongestDelay = 5;

    // At the reference rate the coefficients are those of the cutoff law.
    LadderTuning() noexcept = default;

    // Fills the table for `rate`, which must be accepted by RateCoefficients.
    void setRate(float rate) noexcept;

    // Whether the stages run with the cutoff law's own coefficients.
    bool isReference() const noexcept { return reference_; }

    // k at the running rate for a cutoff sum already held at or below 1.
    float stagePole(float cutoff) const noexcept {
        float position = cutoff * static_cast<float>(kSegments);
        if (!(position > 0.0f)) {
            position = 0.0f;
        }
        int segment = static_cast<int>(position);
        if (segment >= kSegments) {
            segment = kSegments - 1;
        }
        const float fraction = position - static_cast<float>(segment);
        const float low = poles_[segment];
        return low + fraction * (poles_[segment + 1] - low);
    }

    // The feedback delay as whole samples and the share of one more.
    int delaySamples() const noexcept { return delaySamples_; }
    float delayFraction() const noexcept { return delayFraction_; }

private:
    std::array<float, kSegments + 1> poles_{};
    int delaySamples_ = 1;
    float delayFraction_ = 0.0f;
    bool reference_ = true;
};

} // namespace tarvolin
