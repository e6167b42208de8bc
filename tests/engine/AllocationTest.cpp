// Counts every allocation the program makes through operator new, so that a
// stretch of rendering can show that it makes none. In its own executable,
// as it replaces the global operators for the whole program.
#include "EngineTestSupport.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<long> allocations{0};

void* allocate(std::size_t size) {
    allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* memory = std::malloc(size == 0 ? 1 : size)) {
        return memory;
    }
    throw std::bad_alloc();
}

} // namespace

void* operator new(std::size_t size) {
    return allocate(size);
}
void* operator new[](std::size_t size) {
    return allocate(size);
}
void operator delete(void* memory) noexcept {
    std::free(memory);
}
void operator delete[](void* memory) noexcept {
    std::free(memory);
}
void operator delete(void* memory, std::size_t) noexcept {
    std::free(memory);
}
void operator delete[](void* memory, std::size_t) noexcept {
    std::free(memory);
}

namespace tarvolin {
namespace {

TEST(RealTime, RenderingAndNotesAllocateNothing) {
    auto engine = test::makeEngine();
    for (ParameterIndex busy : {kLfo1Rate, kLfo2Rate, kModEnvAmount, kPortamento, kNoiseVolume,
                                kFmAmountOsc1, kPwAmountOsc2, kResonance}) {
        test::setParam(*engine, busy, 0.7f);
    }

    const long before = allocations.load();
    for (int sample = 0; sample < 441000; ++sample) {
        if (sample % 5000 == 0) {
            engine->noteOn(40 + sample % 37, sample % 3);
            test::setParam(*engine, kWaveformOsc1, static_cast<float>(sample % 4) / 3.0f);
        }
        if (sample % 5000 == 3000) {
            engine->noteOff(40 + (sample - 3000) % 37, sample % 3);
        }
        float out = 0.0f;
        engine->renderSample(out);
    }
    EXPECT_EQ(allocations.load() - before, 0);

    // The counter works: building an engine does allocate.
    auto another = test::makeEngine();
    EXPECT_GT(allocations.load() - before, 0);
}

} // namespace
} // namespace tarvolin
