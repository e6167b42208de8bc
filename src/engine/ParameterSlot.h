#pragma once

#include <atomic>

namespace tarvolin {

// One parameter value. Hosts write it from their UI or automation thread while
// the audio thread reads it; a relaxed atomic keeps that race-free and compiles
// to the same single 32-bit load and store as a plain float.
class ParameterSlot {
public:
    float load() const noexcept { return value.load(std::memory_order_relaxed); }
    void store(float newValue) noexcept { value.store(newValue, std::memory_order_relaxed); }

private:
    std::atomic<float> value{0.0f};
};

static_assert(sizeof(ParameterSlot) == sizeof(float));
static_assert(std::atomic<float>::is_always_lock_free);

} // namespace tarvolin
