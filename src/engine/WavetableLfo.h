#pragma once

#include <array>
#include <bit>
#include <cstdint>

namespace tarvolin {

// A table-lookup LFO. The phase is 8.24 fixed point: the top 8 bits pick one
// of 256 table entries, the low 24 bits interpolate linearly towards the next.
// Each table carries a 257th entry that repeats the start of the wave, so the
// interpolation from entry 255 needs no wrap. The phase wraps by plain 32-bit
// overflow.
class WavetableLfo {
public:
    static constexpr int kTableSize = 256;
    using Table = std::array<float, kTableSize + 1>;

    enum Waveform : long { kSine = 0, kTriangle = 1, kSaw = 2, kRectangle = 3 };

    // 2^24: one table entry in phase units, and 2^-24 to turn the low bits
    // into the interpolation fraction.
    static constexpr float kPhasePerEntry = 16777216.0f;
    static constexpr float kFractionScale = 1.0f / 16777216.0f;
    // The float nearest 1/255, spreading the saw over -1..+1.
    static constexpr float kSawStep = 0.003921569f;

    // Fills the four tables and starts at phase 0 with a rate of 1 Hz.
    explicit WavetableLfo(float sampleRate) noexcept;
    virtual ~WavetableLfo() = default;

    WavetableLfo(const WavetableLfo&) = delete;
    WavetableLfo& operator=(const WavetableLfo&) = delete;

    // phaseIncrement = round(frequency / rate * 2^32), kept to its low 32 bits.
    void setRate(float frequency) noexcept;
    // Rates set from now on count with the new sample rate; the phase stays.
    void setSampleRate(float sampleRate) noexcept { sampleRate_ = sampleRate; }

    // One output sample from the phase before this tick's advance. Waveform
    // 0 sine, 1 triangle, 2 saw, anything else the rectangle.
    float tick(long waveform) noexcept {
        index_ = static_cast<int>(phase_ >> 24);
        fraction_ = static_cast<float>(phase_ & 0xFFFFFFu) * kFractionScale;
        phase_ += phaseIncrement_;
        const Table& table = tableFor(waveform);
        return (1.0f - fraction_) * table[index_] + fraction_ * table[index_ + 1];
    }

    // Note on with the channel's restart switch set.
    void restart() noexcept { phase_ = 0; }

    std::uint32_t phase() const noexcept { return phase_; }
    std::uint32_t phaseIncrement() const noexcept { return phaseIncrement_; }
    int index() const noexcept { return index_; }
    float fraction() const noexcept { return fraction_; }

    const Table& sineTable() const noexcept { return sineTable_; }
    const Table& triangleTable() const noexcept { return triangleTable_; }
    const Table& sawTable() const noexcept { return sawTable_; }
    const Table& rectangleTable() const noexcept { return rectangleTable_; }

private:
    const Table& tableFor(long waveform) const noexcept {
        switch (waveform) {
        case kSine:
            return sineTable_;
        case kTriangle:
            return triangleTable_;
        case kSaw:
            return sawTable_;
        default:
            return rectangleTable_;
        }
    }

    std::uint32_t phase_ = 0;
    std::uint32_t phaseIncrement_ = 0;
    Table sineTable_{};
    Table triangleTable_{};
    Table sawTable_{};
    Table rectangleTable_{};
    int index_ = 0;
    float fraction_ = 0.0f;
    float sampleRate_;
};

static_assert(std::bit_cast<std::uint32_t>(WavetableLfo::kSawStep) == 0x3B808081u);

} // namespace tarvolin
