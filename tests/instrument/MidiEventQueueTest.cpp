#include "instrument/MidiEventQueue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <vector>

namespace tarvolin {
namespace {

VstMidiEvent eventAfter(int wait, char note) {
    VstMidiEvent event{};
    event.type = kVstMidiType;
    event.deltaFrames = wait;
    event.midiData[1] = note;
    return event;
}

TEST(MidiEventQueue, EventsFallDueAfterTheirWaitInArrivalOrder) {
    MidiEventQueue queue(4);
    queue.push(eventAfter(0, 1));
    queue.push(eventAfter(2, 2));
    queue.push(eventAfter(0, 3));

    VstMidiEvent out{};
    ASSERT_TRUE(queue.isDue());
    queue.pop(out);
    EXPECT_EQ(out.midiData[1], 1);
    EXPECT_FALSE(queue.isDue()); // first sample of the wait
    EXPECT_FALSE(queue.isDue()); // second
    ASSERT_TRUE(queue.isDue());
    queue.pop(out);
    EXPECT_EQ(out.midiData[1], 2);
    EXPECT_EQ(out.deltaFrames, 0);
    ASSERT_TRUE(queue.isDue());
    queue.pop(out);
    EXPECT_EQ(out.midiData[1], 3);
    EXPECT_FALSE(queue.isDue());
    EXPECT_TRUE(queue.isEmpty());
}

TEST(MidiEventQueue, WrapsAroundAtCapacity) {
    MidiEventQueue queue(3);
    VstMidiEvent out{};
    for (char round = 0; round < 10; ++round) {
        queue.push(eventAfter(0, round));
        queue.push(eventAfter(0, static_cast<char>(round + 50)));
        EXPECT_FALSE(queue.isFull());
        queue.push(eventAfter(-4, static_cast<char>(round + 100)));
        EXPECT_TRUE(queue.isFull());
        for (char expected :
             {round, static_cast<char>(round + 50), static_cast<char>(round + 100)}) {
            ASSERT_TRUE(queue.isDue());
            queue.pop(out);
            EXPECT_EQ(out.midiData[1], expected);
        }
    }
}

// Waiting out a stretch at once lands every event on the sample that asking
// isDue once per sample would.
TEST(MidiEventQueue, WaitingInStretchesMatchesWaitingSampleBySample) {
    const int waits[] = {0, 3, 0, -2, 7, 1, 30};
    const auto dueSamples = [&](bool inStretches) {
        MidiEventQueue queue(8);
        for (int wait : waits) {
            queue.push(eventAfter(wait, 0));
        }
        std::vector<int> due;
        VstMidiEvent out{};
        for (int sample = 0; sample < 100;) {
            if (inStretches) {
                while (queue.samplesUntilDue() == 0) {
                    queue.pop(out);
                    due.push_back(sample);
                }
                const int stretch = std::min(100 - sample, queue.samplesUntilDue());
                queue.wait(stretch);
                sample += stretch;
            } else {
                while (queue.isDue()) {
                    queue.pop(out);
                    due.push_back(sample);
                }
                ++sample;
            }
        }
        return due;
    };
    EXPECT_EQ(dueSamples(true), (std::vector<int>{0, 3, 3, 3, 10, 11, 41}));
    EXPECT_EQ(dueSamples(true), dueSamples(false));
    EXPECT_EQ(MidiEventQueue(2).samplesUntilDue(), INT_MAX);
}

} // namespace
} // namespace tarvolin
