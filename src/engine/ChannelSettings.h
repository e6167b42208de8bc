#pragma once

#include "engine/ParameterIndex.h"
#include "engine/ParameterSlot.h"

#include <array>

namespace tarvolin {

// The values the render computes with, derived from one channel's parameters
// when they are stored. Hosts and chunks may deliver any bit pattern; the
// channel's record keeps it as given, and this set holds it limited to the
// 0..1 every parameter is defined over, so the arithmetic of the voice never
// sees a value it cannot take. Deriving at store time keeps the cost off the
// samples.
class ChannelSettings {
public:
    // NaN and everything below 0 become 0, everything above 1 becomes 1;
    // values inside 0..1 pass unchanged, to the bit.
    static float limitToUnit(float value) noexcept {
        return value >= 0.0f ? (value <= 1.0f ? value : 1.0f) : 0.0f;
    }

    void store(ParameterIndex index, float value) noexcept {
        values_[index].store(limitToUnit(value));
    }

    float operator[](ParameterIndex index) const noexcept { return values_[index].load(); }

private:
    std::array<ParameterSlot, kNumParameters> values_;
};

} // namespace tarvolin
