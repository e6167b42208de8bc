#pragma once

#include "engine/Float4.h"
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

    // `count` (1 to 4) samples of output, one in each lane, each from the
    // phase before its own tick's advance, which `increment` sets. The phase
    // advances by `count` ticks; lanes beyond `count` hold what further ticks
    // would give. Waveform 0 sine, 1 triangle, 2 saw, anything else the
    // rectangle.
    Float4 ticks(std::uint32_t increment, long waveform, int count) noexcept {
        phaseIncrement_ = increment;
        const LfoTables::Table& table = tableFor(waveform);
        const std::uint32_t phase0 = phase_;
        const std::uint32_t phase1 = phase0 + increment;
        const std::uint32_t phase2 = phase1 + increment;
        const std::uint32_t phase3 = phase2 + increment;
        phase_ += static_cast<std::uint32_t>(count) * increment;
        // The top 8 bits pick the entry, the low 24 interpolate.
        const Int4 below = Int4{static_cast<std::int32_t>(phase0 & 0xFFFFFFu),
                                static_cast<std::int32_t>(phase1 & 0xFFFFFFu),
                                static_cast<std::int32_t>(phase2 & 0xFFFFFFu),
                                static_cast<std::int32_t>(phase3 & 0xFFFFFFu)};
        const Float4 fraction = __builtin_convertvector(below, Float4) * kFractionScale;
        const Float4 low = {table[phase0 >> 24], table[phase1 >> 24], table[phase2 >> 24],
                            table[phase3 >> 24]};
        const Float4 high = {table[(phase0 >> 24) + 1], table[(phase1 >> 24) + 1],
                             table[(phase2 >> 24) + 1], table[(phase3 >> 24) + 1]};
        return (1.0f - fraction) * low + fraction * high;
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
