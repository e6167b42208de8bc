#include "engine/WavetableLfo.h"

#include <cmath>

namespace tarvolin {

std::uint32_t WavetableLfo::incrementFor(float frequency, float sampleRate) noexcept {
    // 256 entries per cycle, each worth 2^24 phase units; rounded ties to even
    // and wrapped modulo 2^32 like the phase itself, through 64 bits so that
    // the wrap stays defined.
    const float units = frequency / sampleRate * 256.0f * kPhasePerEntry;
    return static_cast<std::uint32_t>(static_cast<std::uint64_t>(std::llrint(units)));
}

} // namespace tarvolin
