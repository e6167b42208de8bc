// The editor open, idled and closed over and over on the user-interface
// thread while the audio thread renders with MIDI controllers (whose values
// the editor mirrors) and an automation thread sets every parameter. The
// audio and automation threads only ever leave a note for the editor's next
// idle; under ThreadSanitizer this shows they touch nothing else of it.
#include "EditorSession.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <thread>
#include <vector>

namespace tarvolin {
namespace {

using testing::EditorSession;

TEST(EditorThreads, OpeningAndClosingWhileOtherThreadsChangeValues) {
    EditorSession session;
    session.plugin.dispatch(effMainsChanged, 0, 1);
    std::atomic<bool> stop{false};
    std::atomic<long> badSamples{0};

    std::thread audio([&] {
        std::vector<float> left(256);
        std::vector<float> right(256);
        for (int round = 0; !stop.load(); ++round) {
            const auto value = static_cast<unsigned char>(round % 128);
            session.plugin.sendEvents(std::vector{host::midiEvent(0, 0xB0, 40, value),
                                                  host::midiEvent(7, 0xB2, 42, value),
                                                  host::midiEvent(9, 0x90, 60, 100)});
            session.plugin.processReplacing(left, right);
            badSamples +=
                std::count_if(left.begin(), left.end(), [](float s) { return !std::isfinite(s); });
        }
    });
    std::thread automation([&] {
        for (int round = 0; !stop.load(); ++round) {
            for (VstInt32 index = 0; index < 51; ++index) {
                session.plugin.setParameter(index, static_cast<float>((round + index) % 5) * 0.25f);
            }
        }
    });

    int cycles = 0;
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(600);
    while (std::chrono::steady_clock::now() < end) {
        ASSERT_EQ(session.open(), 1);
        for (int i = 0; i < 3; ++i) {
            session.idle();
        }
        session.plugin.dispatch(effEditClose);
        ++cycles;
    }
    stop = true;
    audio.join();
    automation.join();
    EXPECT_GT(cycles, 2);
    EXPECT_EQ(badSamples.load(), 0);
    EXPECT_EQ(session.window.childCount(), 0);
}

} // namespace
} // namespace tarvolin
