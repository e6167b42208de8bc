#pragma once

#include "engine/ChannelRecord.h"

#include <bit>
#include <cstdint>

namespace tarvolin {

// The one-pole high-pass in front of the ladder filter:
//   y = pole * previous y + (x - previous x),
// a differentiator whose leak is set by the pole. Besides thinning the sound
// it removes the constant offset the noise source leaves in the mix. The
// state lives in the channel's record.
struct LowCut {
    // LOWCUT moves the pole from 0.39995 (a strong high-pass) to 0.99995 (not
    // much more than an offset remover); it never reaches 1, so any constant
    // input dies away.
    static constexpr float kPoleRange = 0.6f;
    static constexpr float kLowestPole = 0.39995f;

    static float apply(ChannelRecord& record, float x, float setting) noexcept {
        const float y =
            (setting * kPoleRange + kLowestPole) * record.lowCutState + (x - record.lowCutInput);
        record.lowCutInput = x;
        record.lowCutState = y;
        record.lowCutOutput = y;
        return y;
    }
};

static_assert(std::bit_cast<std::uint32_t>(LowCut::kPoleRange) == 0x3F19999Au);
static_assert(std::bit_cast<std::uint32_t>(LowCut::kLowestPole) == 0x3ECCC63Fu);

} // namespace tarvolin
