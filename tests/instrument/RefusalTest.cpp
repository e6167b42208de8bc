// Its own program: it replaces the global allocator so that large blocks
// cannot be had, as on a host that has run out of memory. The engine and the
// programs are far larger than the limit; everything else is smaller.

#include "ReplacedAllocator.h"
#include "TestHost.h"

#include <gtest/gtest.h>

namespace tarvolin {
namespace {

TEST(Refusal, AnInstanceThatCannotGetItsEngineIsRefused) {
    testing::RecordingHost host;
    const host::PluginModule& module = testing::builtModule();
    test::refuseBlocksLargerThan(16 * 1024);
    host::PluginInstance refused(module, testing::RecordingHost::callback());
    test::grantEveryBlock();
    EXPECT_FALSE(refused.isOpen());

    host::PluginInstance later(module, testing::RecordingHost::callback());
    EXPECT_TRUE(later.isOpen());
}

} // namespace
} // namespace tarvolin
