#include "engine/NoiseSource.h"

#include <atomic>

namespace tarvolin {

namespace {

// Several instances in one host may render on different threads. Relaxed
// loads and stores keep that free of data races; two instances racing may
// draw the same values, which noise allows.
std::atomic<std::uint32_t> moduleSeed{0};

} // namespace

std::uint32_t NoiseSource::seed() noexcept {
    return moduleSeed.load(std::memory_order_relaxed);
}

void NoiseSource::setSeed(std::uint32_t value) noexcept {
    moduleSeed.store(value, std::memory_order_relaxed);
}

} // namespace tarvolin
