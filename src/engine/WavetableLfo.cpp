#include "engine/WavetableLfo.h"

#include <cmath>

namespace tarvolin {

namespace {

// round(x) to an unsigned 32-bit phase step, ties to even, wrapping modulo
// 2^32 like the phase itself. Going through 64 bits keeps the wrap defined.
std::uint32_t toPhaseStep(float x) noexcept {
    return static_cast<std::uint32_t>(static_cast<std::uint64_t>(std::llrint(x)));
}

} // namespace

WavetableLfo::WavetableLfo(float sampleRate) noexcept : sampleRate_(sampleRate) {
    // The sine is evaluated in double and stored as float, so each entry is
    // the float nearest the true value on every platform's libm.
    const double pi = 4.0 * std::atan(1.0);
    for (int j = 0; j <= kTableSize; ++j) {
        sineTable_[j] = static_cast<float>(std::sin(2.0 * pi * j / 256.0));
    }

    // Four straight quarters: 0 up to 1, down to 0, down to -1, back up.
    for (int a = 0; a < 64; ++a) {
        const auto step = static_cast<float>(a);
        triangleTable_[a] = step / 64.0f;
        triangleTable_[64 + a] = (64.0f - step) / 64.0f;
        triangleTable_[128 + a] = static_cast<float>(-a) / 64.0f; // +0 at entry 128, not -0
        triangleTable_[192 + a] = (step - 64.0f) / 64.0f;
    }
    triangleTable_[kTableSize] = 0.0f;

    for (int i = 0; i < kTableSize; ++i) {
        sawTable_[i] = static_cast<float>(i) * kSawStep * 2.0f - 1.0f;
    }
    sawTable_[kTableSize] = -1.0f;

    for (int i = 0; i < kTableSize; ++i) {
        rectangleTable_[i] = i < kTableSize / 2 ? 1.0f : -1.0f;
    }
    rectangleTable_[kTableSize] = 1.0f;

    // 1 Hz: 256 entries per second, each worth 2^24 phase units.
    phaseIncrement_ = toPhaseStep(256.0f / sampleRate_ * kPhasePerEntry);
}

void WavetableLfo::setRate(float frequency) noexcept {
    phaseIncrement_ = toPhaseStep(frequency / sampleRate_ * 256.0f * kPhasePerEntry);
}

} // namespace tarvolin
