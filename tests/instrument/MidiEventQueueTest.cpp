#include "instrument/MidiEventQueue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <vector>

namespace tarvolin {
namespace {

MidiEvent eventAfter(int wait, char note) {
    return {wait, {0, static_cast<std::uint8_t>(note), 0}};
}

// Asks once for the sample at hand, as the render loop does: the oldest event
// if it is due, else one sample of its wait used up.
bool isDue(MidiEventQueue& queue) {
    if (queue.samplesUntilDue() == 0) {
        return true;
    }
    queue.wait(1);
    return false;
}

TEST(MidiEventQueue, EventsFallDueAfterTheirWaitInArrivalOrder) {
    MidiEventQueue queue(4);
    queue.push(eventAfter(0, 1));
    queue.push(eventAfter(2, 2));
    queue.push(eventAfter(0, 3));

    MidiEvent out{};
    ASSERT_TRUE(isDue(queue));
    queue.pop(out);
    EXPECT_EQ(out.bytes[1], 1);
    EXPECT_FALSE(isDue(queue)); // first sample of the wait
    EXPECT_FALSE(isDue(queue)); // second
    ASSERT_TRUE(isDue(queue));
    queue.pop(out);
    EXPECT_EQ(out.bytes[1], 2);
    EXPECT_EQ(out.delay, 0);
    ASSERT_TRUE(isDue(queue));
    queue.pop(out);
    EXPECT_EQ(out.bytes[1], 3);
    EXPECT_FALSE(isDue(queue));
    EXPECT_TRUE(queue.isEmpty());
}

TEST(MidiEventQueue, WrapsAroundAtCapacity) {
    MidiEventQueue queue(3);
    MidiEvent out{};
    for (char round = 0; round < 10; ++round) {
        queue.push(eventAfter(0, round));
        queue.push(eventAfter(0, static_cast<char>(round + 50)));
        EXPECT_FALSE(queue.isFull());
        queue.push(eventAfter(-4, static_cast<char>(round + 100)));
        EXPECT_TRUE(queue.isFull());
        for (char expected :
             {round, static_cast<char>(round + 50), static_cast<char>(round + 100)}) {
            ASSERT_TRUE(isDue(queue));
            queue.pop(out);
            EXPECT_EQ(out.bytes[1], expected);
        }
    }
}

// Waiting out a stretch at once lands every event on the sample that asking
// once per sample would.
TEST(MidiEventQueue, WaitingInStretchesMatchesWaitingSampleBySample) {
    const int waits[] = {0, 3, 0, -2, 7, 1, 30};
    const auto dueSamples = [&](bool inStretches) {
        MidiEventQueue queue(8);
        for (int wait : waits) {
            queue.push(eventAfter(wait, 0));
        }
        std::vector<int> due;
        MidiEvent out{};
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
                while (isDue(queue)) {
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
