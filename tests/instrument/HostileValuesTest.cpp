#include "TestHost.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <vector>

namespace tarvolin {
namespace {

using host::midiEvent;
using testing::TestHost;

constexpr int kChunkSize = 4372;
// The saturation never exceeds 2 / sqrt(3) in magnitude; VOLUME scales it.
constexpr float kSaturationPeak = 1.1547006f;

// A small deterministic generator, the same on every platform and library.
class Random {
public:
    explicit Random(std::uint32_t seed) : state(seed) {}
    std::uint32_t next() {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return state;
    }
    int below(int n) { return static_cast<int>(next() % static_cast<std::uint32_t>(n)); }
    float unit() { return static_cast<float>(next() >> 8) * (1.0f / 16777216.0f); }

    // What hostile hosts and damaged songs deliver: values seen to break the
    // arithmetic, the special values, ordinary knob values, and raw bits.
    float value() {
        static const float kNasty[] = {89.0f,
                                       935.7f,
                                       1e30f,
                                       -1e30f,
                                       -89.0f,
                                       9.99e-41f,
                                       -0.0f,
                                       1.0000001f,
                                       -1e-7f,
                                       std::numeric_limits<float>::max(),
                                       std::numeric_limits<float>::lowest(),
                                       std::numeric_limits<float>::quiet_NaN(),
                                       std::numeric_limits<float>::infinity(),
                                       -std::numeric_limits<float>::infinity()};
        switch (below(4)) {
        case 0:
            return kNasty[below(static_cast<int>(std::size(kNasty)))];
        case 1:
            return std::bit_cast<float>(next());
        default:
            return unit();
        }
    }

private:
    std::uint32_t state;
};

std::vector<unsigned char> takeChunk(const TestHost& test) {
    void* data = nullptr;
    const VstIntPtr size = test.plugin.dispatch(effGetChunk, 0, 0, &data);
    const auto* bytes = static_cast<const unsigned char*>(data);
    return {bytes, bytes + size};
}

// Garbage of any length from one record up, or the instance's own record
// with a few bytes or values changed.
std::vector<unsigned char> damagedChunk(const TestHost& test, Random& random) {
    std::vector<unsigned char> chunk = takeChunk(test);
    switch (random.below(3)) {
    case 0:
        chunk.resize(static_cast<std::size_t>(kChunkSize + random.below(64)));
        for (unsigned char& byte : chunk) {
            byte = static_cast<unsigned char>(random.next());
        }
        break;
    case 1:
        for (int n = random.below(8); n >= 0; --n) {
            chunk[static_cast<std::size_t>(random.below(kChunkSize))] =
                static_cast<unsigned char>(random.next());
        }
        break;
    default:
        for (int n = random.below(40); n >= 0; --n) {
            const float value = random.value();
            std::memcpy(chunk.data() + 4 * random.below(16 * 52), &value, sizeof value);
        }
        break;
    }
    return chunk;
}

float volumeOfChannel0(const TestHost& test) {
    float volume;
    std::memcpy(&volume, takeChunk(test).data(), sizeof volume);
    return volume >= 0.0f ? (volume <= 1.0f ? volume : 1.0f) : 0.0f;
}

TEST(HostileValues, AnyParameterBitsAndChunkBytesLeaveTheOutputFiniteAndBounded) {
    Random random(0x7A4F11u);
#if defined(__OPTIMIZE__)
    constexpr int kInstances = 400;
#else
    constexpr int kInstances = 80;
#endif
    for (int instance = 0; instance < kInstances; ++instance) {
        TestHost test;
        for (int step = random.below(40); step >= 0; --step) {
            if (random.below(8) == 0) {
                auto chunk = damagedChunk(test, random);
                test.plugin.dispatch(effSetChunk, random.below(2),
                                     static_cast<VstIntPtr>(chunk.size()), chunk.data());
            } else {
                // Any index around the table, on whichever channel is current.
                test.plugin.setParameter(random.below(56) - 2, random.value());
            }
        }
        const float limit = kSaturationPeak * volumeOfChannel0(test) + 1e-6f;
        const int note = random.below(128);
        std::vector<VstMidiEvent> events = {midiEvent(random.below(64), 0x90, note, 100),
                                            midiEvent(1500 + random.below(500), 0x80, note, 0),
                                            midiEvent(2100, 0x90, random.below(128), 1)};
        test.plugin.sendEvents(events);
        for (int block = 0; block < 8; ++block) {
            const auto output = test.render(512).left;
            for (std::size_t i = 0; i < output.size(); ++i) {
                // NaN fails the comparison too.
                ASSERT_TRUE(std::fabs(output[i]) <= limit)
                    << "instance " << instance << " block " << block << " sample " << i << ": "
                    << output[i] << " against " << limit;
            }
        }
    }
}

TEST(HostileValues, ARestoredChunkComesBackByteForByte) {
    Random random(99u);
    for (int round = 0; round < 50; ++round) {
        TestHost test;
        auto chunk = damagedChunk(test, random);
        chunk.resize(kChunkSize);
        // Parameter 49 is kept as a whole number in the program; give it one.
        for (int channel = 0; channel < 16; ++channel) {
            const float whole = 1.0f;
            std::memcpy(chunk.data() + 208 * channel + 4 * 49, &whole, sizeof whole);
        }
        ASSERT_EQ(test.plugin.dispatch(effSetChunk, 0, kChunkSize, chunk.data()), 1);
        ASSERT_EQ(takeChunk(test), chunk) << "round " << round;
    }
}

} // namespace
} // namespace tarvolin
