// The editor's edits on their way to a CLAP host, when the host is slow to
// take them: whatever is dropped, every gesture the host sees is whole.
#include "clap/EditQueue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bitset>
#include <vector>

namespace tarvolin::clap {
namespace {

using Kind = EditQueue::Kind;

// Takes every waiting edit, checking that no gesture opens twice or ends unopened.
std::vector<EditQueue::Edit> drainWholeGestures(EditQueue& queue) {
    std::vector<EditQueue::Edit> taken;
    std::bitset<kNumParameters> open;
    EditQueue::Edit edit;
    while (queue.peek(edit)) {
        queue.pop();
        EXPECT_LT(edit.index, kNumParameters);
        if (edit.kind == Kind::begin) {
            EXPECT_FALSE(open.test(edit.index)) << "second begin of " << int{edit.index};
            open.set(edit.index);
        } else if (edit.kind == Kind::end) {
            EXPECT_TRUE(open.test(edit.index)) << "end without begin of " << int{edit.index};
            open.reset(edit.index);
        }
        taken.push_back(edit);
    }
    EXPECT_TRUE(open.none()) << "gestures left open";
    return taken;
}

TEST(EditQueue, AFullQueueDropsValuesAndBeginsButEveryOpenGestureEnds) {
    EditQueue queue;
    for (int index = 0; index < kNumParameters; ++index) {
        queue.begin(index);
    }
    for (int n = 0; n < 2000; ++n) {
        queue.value(n % kNumParameters, static_cast<float>(n));
    }
    queue.begin(3); // open already
    queue.value(kNumParameters, 1.0f);
    queue.begin(-1);
    for (int index = 0; index < kNumParameters; ++index) {
        queue.end(index);
    }
    queue.end(3); // closed already
    const auto taken = drainWholeGestures(queue);
    EXPECT_EQ(taken.size(), 512u);
    EXPECT_EQ(std::count_if(taken.begin(), taken.end(), [](auto e) { return e.kind == Kind::end; }),
              kNumParameters);
    // Values keep their order; those past the room are the ones missing.
    float last = -1.0f;
    for (const auto& edit : taken) {
        if (edit.kind == Kind::value) {
            EXPECT_GT(edit.value, last);
            last = edit.value;
        }
    }

    // Filled with loose values, a begin finds no room and its whole gesture is
    // dropped; once the host has taken the rest, gestures go through again.
    for (int n = 0; n < 2000; ++n) {
        queue.value(0, static_cast<float>(n));
    }
    queue.begin(7);
    queue.value(7, 0.5f);
    queue.end(7);
    for (const auto& edit : drainWholeGestures(queue)) {
        EXPECT_NE(edit.index, 7);
    }
    queue.begin(7);
    queue.value(7, 0.5f);
    queue.end(7);
    const auto gesture = drainWholeGestures(queue);
    ASSERT_EQ(gesture.size(), 3u);
    EXPECT_EQ(gesture[1].kind, Kind::value);
    EXPECT_EQ(gesture[1].value, 0.5f);
}

} // namespace
} // namespace tarvolin::clap
