#include "engine/NoiseSource.h"

#include <atomic>

namespace tarvolin {

namespace {

// Several instances in one host may render on different threads. Relaxed
// loads and stores keep that free of data races at the cost of a plain
// access; two instances racing may draw the same value, which noise allows.
std::atomic<std::uint32_t> moduleSeed{0};

} // namespace

float NoiseSource::next(float level) noexcept {
    const std::uint32_t seed =
        moduleSeed.load(std::memory_order_relaxed) * kMultiplier + kIncrement;
    moduleSeed.store(seed, std::memory_order_relaxed);
    const auto draw = static_cast<float>((seed >> 16) & 0x7FFFu);
    return (level + kLevelFloor) * draw * kDrawScale - 0.5f;
}

std::uint32_t NoiseSource::seed() noexcept {
    return moduleSeed.load(std::memory_order_relaxed);
}

void NoiseSource::setSeed(std::uint32_t value) noexcept {
    moduleSeed.store(value, std::memory_order_relaxed);
}

} // namespace tarvolin
