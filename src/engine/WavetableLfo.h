#pragma once

#include "engine/LfoTables.h"

#include <cstdint>

namespace tarvolin {

// A table-lookup LFO. The phase is 8.24 fixed point: the top 8 bits pick one
// of 256 table entries, the low 24 bits interpolate linearly towards the next.
// The phase wraps by plain 32-bit overflow.
class WavetableLfo {
public:
    enum Waveform : long { kSine = 0, kTriangle = 1, kSaw = 2, kRectangle = 3 };

    // 2^24: one table entry in phase units, and 2^-24 to turn the low bits
    // into the interpolation fraction.
    static constexpr float kPhasePerEntry = 16777216.0f;
    static constexpr float kFractionScale = 1.0f / 16777216.0f;

    // round(frequency / sampleRate * 2^32), kept to its low 32 bits.
    static std::uint32_t incrementFor(float frequency, float sampleRate) noexcept;

    // Starts at phase 0 with a rate of 1 Hz.
    explicit WavetableLfo(float sampleRate) noexcept
        : phaseIncrement_(incrementFor(1.0f, sampleRate)), tables_(&LfoTables::shared()) {}
    virtual ~WavetableLfo() = default;

    WavetableLfo(const WavetableLfo&) = delete;
    WavetableLfo& operator=(const WavetableLfo&) = delete;

    // One output sample from the phase before this tick's advance, which
    // `increment` sets. Waveform 0 sine, 1 triangle, 2 saw, anything else the
    // rectangle.
    float tick(std::uint32_t increment, long waveform) noexcept {
        phaseIncrement_ = increment;
        const auto index = static_cast<int>(phase_ >> 24);
        const float fraction = static_cast<float>(phase_ & 0xFFFFFFu) * kFractionScale;
        phase_ += phaseIncrement_;
        const LfoTables::Table& table = tableFor(waveform);
        return (1.0f - fraction) * table[index] + fraction * table[index + 1];
    }

    // Note on with the channel's restart switch set.
    void restart() noexcept { phase_ = 0; }

    std::uint32_t phase() const noexcept { return phase_; }
    std::uint32_t phaseIncrement() const noexcept { return phaseIncrement_; }

private:
    const LfoTables::Table& tableFor(long waveform) const noexcept {
        const long chosen = waveform >= kSine && waveform < kRectangle ? waveform : kRectangle;
        return *tables_->byWaveform[chosen];
    }

    std::uint32_t phase_ = 0;
    std::uint32_t phaseIncrement_;
    const LfoTables* tables_;
};

} // namespace tarvolin
