// A host's three threads at once: the audio thread rendering with notes and
// controllers, an automation thread setting and reading every parameter, and
// the user-interface thread reading displays, chunks and switching programs.
// Run under ThreadSanitizer this finds data races; in every build it checks
// that nothing is torn.
#include "TestHost.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <thread>
#include <vector>

namespace tarvolin {
namespace {

using testing::TestHost;

constexpr float kSetValues[] = {0.0f, 0.25f, 0.5f, 0.75f, 1.0f};
constexpr unsigned char kControllerValues[] = {0, 32, 64, 96, 127};
constexpr float kControllerScale = 0.007874016f;

// Every value the threads ever store, and so all a chunk may hold.
bool wasSet(float value) {
    if (std::find(std::begin(kSetValues), std::end(kSetValues), value) != std::end(kSetValues)) {
        return true;
    }
    return std::any_of(std::begin(kControllerValues), std::end(kControllerValues),
                       [value](unsigned char x) { return value == x * kControllerScale; });
}

// Runs body on a thread of its own until the test says stop; counts rounds.
class Worker {
public:
    template <typename Body>
    explicit Worker(Body body)
        : thread([this, body]() mutable {
              while (!stop.load()) {
                  body(rounds);
                  ++rounds;
              }
          }) {}
    ~Worker() { finish(); }
    void finish() {
        stop = true;
        if (thread.joinable()) {
            thread.join();
        }
    }
    long rounds = 0;

private:
    std::atomic<bool> stop{false};
    std::thread thread;
};

TEST(Threads, AudioAutomationAndUserInterfaceThreadsRunTogether) {
    TestHost test;
    test.plugin.dispatch(effMainsChanged, 0, 1);
    std::atomic<long> badSamples{0};
    std::atomic<long> tornValues{0};

    Worker audio([&](long round) {
        const auto value = kControllerValues[round % 5];
        std::vector<VstMidiEvent> events = {host::midiEvent(3, 0xB0, 40, value),
                                            host::midiEvent(9, 0xB3, 42, value)};
        events.push_back(round % 4 == 0 ? host::midiEvent(0, 0x90, 48 + round % 24, 100)
                                        : host::midiEvent(100, 0x80, 48 + (round - 2) % 24, 0));
        test.plugin.sendEvents(events);
        const auto block = test.render(256);
        badSamples += std::count_if(block.left.begin(), block.left.end(),
                                    [](float s) { return !std::isfinite(s); });
    });
    Worker automation([&](long round) {
        for (VstInt32 index = 0; index < 52; ++index) {
            // The export switch stays off: values below one half.
            const float value =
                index == 51 ? kSetValues[round % 2] : kSetValues[(round + index) % 5];
            test.plugin.setParameter(index, value);
            if (!wasSet(test.plugin.getParameter(index))) {
                ++tornValues;
            }
        }
    });
    Worker userInterface([&](long round) {
        for (VstInt32 index = 0; index < 52; ++index) {
            test.plugin.parameterDisplay(index);
        }
        void* data = nullptr;
        const VstIntPtr size = test.plugin.dispatch(effGetChunk, 0, 0, &data);
        // A host reads the chunk in place; word by word, as the values change meanwhile.
        auto* words = static_cast<std::uint32_t*>(data);
        for (VstIntPtr w = 0; w < 16 * 52 && w * 4 < size; ++w) {
            const std::uint32_t bits = std::atomic_ref(words[w]).load(std::memory_order_relaxed);
            float value;
            std::memcpy(&value, &bits, sizeof value);
            if (!wasSet(value)) {
                ++tornValues;
            }
        }
        test.plugin.dispatch(effSetProgram, 0, round % 5);
        char name[32];
        test.plugin.dispatch(effGetProgramName, 0, 0, name);
    });

    std::this_thread::sleep_for(std::chrono::milliseconds(600));
    audio.finish();
    automation.finish();
    userInterface.finish();
    EXPECT_EQ(badSamples.load(), 0);
    EXPECT_EQ(tornValues.load(), 0);
    EXPECT_GT(audio.rounds, 0);
    EXPECT_GT(automation.rounds, 0);
    EXPECT_GT(userInterface.rounds, 0);
}

} // namespace
} // namespace tarvolin
