#pragma once

#include "engine/LowCut.h"
#include "engine/ParameterIndex.h"
#include "engine/ParameterSlot.h"

#include <array>
#include <atomic>
#include <cstdint>

namespace tarvolin {

class RateCoefficients;

// The values the render computes with, derived from one channel's parameters
// and the sample rate. Hosts and chunks may deliver any bit pattern; the
// channel's record keeps it as given, and this set holds it limited to the
// 0..1 every parameter is defined over, so the arithmetic of the voice never
// sees a value it cannot take, together with what follows from it at the
// running rate. Deriving once per change keeps the cost off the samples.
//
// A store may come from any thread, but the rate changes on the audio thread,
// so a store only marks its parameter as changed; the audio thread derives the
// new values before it next uses them, with the rate it is running at.
class ChannelSettings {
public:
    using Slots = std::array<ParameterSlot, kNumParameters>;

    // NaN and everything below 0 become 0, everything above 1 becomes 1;
    // values inside 0..1 pass unchanged, to the bit.
    static float limitToUnit(float value) noexcept {
        return value >= 0.0f ? (value <= 1.0f ? value : 1.0f) : 0.0f;
    }

    // Any thread, after the new value is in its slot.
    void markChanged(ParameterIndex index) noexcept {
        changed_.fetch_or(std::uint64_t{1} << index, std::memory_order_release);
    }
    // Everything, as after a rate change.
    void markAllChanged() noexcept { changed_.store(kAll, std::memory_order_release); }

    // Audio thread: brings the derived values up to the stored ones, if any
    // store came since the last time.
    void refresh(const Slots& stored, const RateCoefficients& rate) noexcept {
        if (changed_.load(std::memory_order_relaxed) != 0) {
            derive(stored, rate);
        }
    }

    float operator[](ParameterIndex index) const noexcept { return values_[index]; }
    const LowCut::Coefficients& lowCut() const noexcept { return lowCut_; }

private:
    static constexpr std::uint64_t kAll = (std::uint64_t{1} << kNumParameters) - 1;
    static_assert(kNumParameters <= 64);
    static_assert(std::atomic<std::uint64_t>::is_always_lock_free);

    void derive(const Slots& stored, const RateCoefficients& rate) noexcept;

    std::atomic<std::uint64_t> changed_{kAll};
    std::array<float, kNumParameters> values_{};
    LowCut::Coefficients lowCut_;
};

} // namespace tarvolin
