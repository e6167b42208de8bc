// Its own program: it replaces the global allocator, which the module shares,
// so that the frame's list of views cannot grow.

#include "EditorSession.h"
#include "ReplacedAllocator.h"

#include <gtest/gtest.h>

namespace tarvolin {
namespace {

TEST(EditorRefusal, AControlTheFrameCannotTakeLeavesNoEditorBehind) {
    testing::EditorSession session;
    // The list grows by ten views at a time; the block for views 41 to 50 is refused.
    test::refuseBlocksOfSize(50 * sizeof(void*));
    const VstIntPtr answer = session.open();
    test::grantEveryBlock();
    EXPECT_EQ(answer, 0);
    EXPECT_EQ(session.window.childCount(), 0);
    EXPECT_EQ(session.open(), 1);
}

} // namespace
} // namespace tarvolin
