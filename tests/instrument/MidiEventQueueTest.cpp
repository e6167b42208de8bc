#include "instrument/MidiEventQueue.h"

#include <gtest/gtest.h>

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

} // namespace
} // namespace tarvolin
