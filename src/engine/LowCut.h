#pragma once

#include <bit>
#include <cstdint>

namespace tarvolin {

// The one-pole high-pass in front of the ladder filter:
//   y = pole * previous y + gain * (x - previous x),
// a differentiator whose leak is set by the pole. Besides thinning the sound
// it removes the constant offset the noise source leaves in the mix.
struct LowCut {
    // LOWCUT moves the pole from 0.39995 (a strong high-pass) to 0.99995 (not
    // much more than an offset remover); it never reaches 1, so any constant
    // input dies away. That is at 44100 Hz, where the gain is 1.
    static constexpr float kPoleRange = 0.6f;
    static constexpr float kLowestPole = 0.39995f;

    struct Coefficients {
        float pole = kLowestPole;
        float gain = 1.0f;
    };

    // The filter for a LOWCUT setting at a rate that runs
    // `referenceSamplesPerSample` (44100 / rate) reference samples per sample.
    static Coefficients coefficients(float setting, double referenceSamplesPerSample) noexcept;

    // One sample; `input` and `state` are the previous input and output,
    // which the channel's record keeps between runs.
    static float apply(float& input, float& state, float x, const Coefficients& filter) noexcept {
        const float y = filter.pole * state + filter.gain * (x - input);
        input = x;
        state = y;
        return y;
    }
};

static_assert(std::bit_cast<std::uint32_t>(LowCut::kPoleRange) == 0x3F19999Au);
static_assert(std::bit_cast<std::uint32_t>(LowCut::kLowestPole) == 0x3ECCC63Fu);

} // namespace tarvolin
