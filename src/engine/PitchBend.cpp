#include "engine/PitchBend.h"

#include <algorithm>

namespace tarvolin {

namespace {

constexpr int kCentsPerSemitone = 100;
// Data entry's fine half counts cents, of which a semitone has fewer than 128.
constexpr int kMostCents = kCentsPerSemitone - 1;

int dataByte(int value) noexcept {
    return std::clamp(value, 0, 127);
}

} // namespace

void PitchBend::setWheel(int position) noexcept {
    wheel_ = std::clamp(position, 0, kHighest);
    update();
}

void PitchBend::selectCoarse(int value) noexcept {
    selected_ = dataByte(value) << 7 | (selected_ & 0x7F);
}

void PitchBend::selectFine(int value) noexcept {
    selected_ = (selected_ & ~0x7F) | dataByte(value);
}

void PitchBend::enterCoarse(int value) noexcept {
    if (selected_ == kBendRange) {
        rangeSemitones_ = dataByte(value);
        update();
    }
}

void PitchBend::enterFine(int value) noexcept {
    if (selected_ == kBendRange) {
        rangeExtraCents_ = std::min(dataByte(value), kMostCents);
        update();
    }
}

int PitchBend::rangeCents() const noexcept {
    return std::min(rangeSemitones_ * kCentsPerSemitone + rangeExtraCents_,
                    kWidestRange * kCentsPerSemitone);
}

void PitchBend::update() noexcept {
    // The wheel has one step more below the centre than above it; each side
    // is scaled on its own so that both ends reach the full range.
    const int offset = wheel_ - kCentre;
    const float steps =
        offset < 0 ? static_cast<float>(kCentre) : static_cast<float>(kHighest - kCentre);
    const float range = static_cast<float>(rangeCents()) / static_cast<float>(kCentsPerSemitone);
    semitones_ = static_cast<float>(offset) / steps * range;
}

} // namespace tarvolin
