#pragma once

#include "engine/Envelope.h"
#include "engine/LowCut.h"
#include "engine/ParameterIndex.h"
#include "engine/ParameterSlot.h"

#include <array>
#include <atomic>
#include <cstdint>

namespace tarvolin {

class RateCoefficients;

// The values the render computes with, derived from one channel's parameters
// and the sample rate. Hosts and chunks may deliver any bit pattern; the
// channel's record keeps it as given, and this set holds it limited to the
// 0..1 every parameter is defined over, so the arithmetic of the voice never
// sees a value it cannot take, together with everything that follows from it:
// switch positions, fourth powers, slopes and phase steps at the running rate.
// Deriving once per change keeps that work off the samples, with the same
// float operations, so the results are the same to the bit.
//
// A store may come from any thread, but the rate changes on the audio thread,
// so a store only marks its parameter as changed; the audio thread derives the
// new values before it next uses them, with the rate it is running at.
class ChannelSettings {
public:
    using Slots = std::array<ParameterSlot, kNumParameters>;

    // Switch spans: a switch's position is round(value * span).
    static constexpr float kWaveformSpan = 3.0f;
    static constexpr float kFilterTypeSpan = 2.0f;
    static constexpr float kLfo1DestinationSpan = 4.0f;
    static constexpr float kLfo2DestinationSpan = 2.0f;
    static constexpr float kModEnvDestinationSpan = 2.0f;
    // TUNEOSC2 spans -24..+24 whole semitones, MASTERPITCH -3..+3.
    static constexpr float kCoarseTuneSpan = 48.0f;
    static constexpr float kMasterPitchSpan = 6.0f;
    // LFO rates span 0..20 Hz through the fourth power of the knob.
    static constexpr float kLfoTopRate = 20.0f;

    struct Oscillator {
        long form = 0;        // round(waveform * 3)
        float fmDepth = 0.0f; // FM amount^4
    };
    struct Lfo {
        std::uint32_t increment = 0; // phase step for 20 * rate^4 Hz
        long waveform = 0;           // round(waveform * 3)
        long destination = 0;        // round(destination * span)
        float depth = 0.0f;          // ((amount - 0.5) * 2)^4
    };
    // What follows from the knobs, beside the limited values themselves.
    struct Derived {
        float pitchOffset = 0.0f; // (MASTERPITCH - 0.5) * 6 semitones
        float tuneOffset2 = 0.0f; // (FINETUNEOSC2 - 0.5) + round((TUNEOSC2 - 0.5) * 48)
        float glideStep = 0.0f;   // semitones per sample
        Oscillator osc1;
        Oscillator osc2;
        Lfo lfo1;
        Lfo lfo2;
        long modEnvDestination = 0;
        float modEnvDepth = 0.0f; // ADSRSPECINTENSION^4
        EnvelopeSlopes ampSlopes;
        EnvelopeSlopes filterSlopes;
        EnvelopeSlopes modSlopes; // its own attack and decay, the amp release
        long filterType = 0;      // round(type * 2)
        LowCut::Coefficients lowCut;
    };

    // NaN and everything below 0 become 0, everything above 1 becomes 1;
    // values inside 0..1 pass unchanged, to the bit.
    static float limitToUnit(float value) noexcept {
        return value >= 0.0f ? (value <= 1.0f ? value : 1.0f) : 0.0f;
    }

    // Any thread, after the new value is in its slot.
    void markChanged(ParameterIndex index) noexcept {
        changed_.fetch_or(std::uint64_t{1} << index, std::memory_order_release);
    }
    // Everything, as after a rate change.
    void markAllChanged() noexcept { changed_.store(kAll, std::memory_order_release); }

    // Audio thread: brings the derived values up to the stored ones, if any
    // store came since the last time.
    void refresh(const Slots& stored, const RateCoefficients& rate) noexcept {
        if (changed_.load(std::memory_order_relaxed) != 0) {
            deriveChanged(stored, rate);
        }
    }

    float operator[](ParameterIndex index) const noexcept { return values_[index]; }
    const Derived& derived() const noexcept { return derived_; }

private:
    static constexpr std::uint64_t kAll = (std::uint64_t{1} << kNumParameters) - 1;
    static_assert(kNumParameters <= 64);
    static_assert(std::atomic<std::uint64_t>::is_always_lock_free);

    void deriveChanged(const Slots& stored, const RateCoefficients& rate) noexcept;
    void derive(ParameterIndex index, const RateCoefficients& rate) noexcept;

    std::atomic<std::uint64_t> changed_{kAll};
    std::array<float, kNumParameters> values_{};
    Derived derived_;
};

} // namespace tarvolin
