// The editor's edits on their way to a CLAP host that is slow to take them.
#include "clap/EditQueue.h"

#include <gtest/gtest.h>

#include <bitset>

namespace tarvolin::clap {
namespace {

TEST(EditQueue, AFloodDropsValuesButEveryGestureTheHostSeesIsWhole) {
    EditQueue queue;
    for (int round = 0; round < 3; ++round) {
        for (int n = 0; n < 2000; ++n) {
            queue.begin(n % kNumParameters);
            queue.value(n % kNumParameters, static_cast<float>(n));
            queue.begin(-1);
            queue.value(kNumParameters, 0.0f);
        }
        for (int index = 0; index <= kNumParameters; ++index) {
            queue.end(index);
        }
        std::bitset<kNumParameters> open;
        int taken = 0;
        float lastValue = -1.0f;
        for (EditQueue::Edit edit; queue.peek(edit); queue.pop(), ++taken) {
            ASSERT_LT(edit.index, kNumParameters);
            if (edit.kind == EditQueue::Kind::value) {
                EXPECT_GT(edit.value, lastValue);
                lastValue = edit.value;
            } else {
                // A begin opens a closed gesture, an end closes an open one.
                EXPECT_EQ(open.test(edit.index), edit.kind == EditQueue::Kind::end);
                open.flip(edit.index);
            }
        }
        EXPECT_TRUE(open.none());
        EXPECT_GT(taken, 2 * kNumParameters);
    }
}

} // namespace
} // namespace tarvolin::clap
