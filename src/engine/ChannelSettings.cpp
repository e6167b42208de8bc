#include "engine/ChannelSettings.h"

#include "engine/RateCoefficients.h"

#include <bit>

namespace tarvolin {

void ChannelSettings::derive(const Slots& stored, const RateCoefficients& rate) noexcept {
    // Taking the marks first means a store that lands meanwhile is marked
    // again and derived next time, never lost.
    std::uint64_t changed = changed_.exchange(0, std::memory_order_acquire);
    while (changed != 0) {
        const int index = std::countr_zero(changed);
        changed &= changed - 1;
        values_[index] = limitToUnit(stored[index].load());
        if (index == kLowCut) {
            lowCut_ = LowCut::coefficients(values_[kLowCut], rate.referenceSamplesPerSample());
        }
    }
}

} // namespace tarvolin
