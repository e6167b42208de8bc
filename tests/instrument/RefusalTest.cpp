// Its own program: it replaces the global allocator so that large blocks
// cannot be had, as on a host that has run out of memory.

#include "TestHost.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

// The engine and the programs are far larger than this; everything else is smaller.
constexpr std::size_t kLargestGrantedBlock = 16 * 1024;
std::atomic<bool> largeBlocksRefused{false};

void* allocate(std::size_t size) {
    if (largeBlocksRefused.load() && size > kLargestGrantedBlock) {
        throw std::bad_alloc();
    }
    if (void* block = std::malloc(size == 0 ? 1 : size)) {
        return block;
    }
    throw std::bad_alloc();
}

} // namespace

void* operator new(std::size_t size) {
    return allocate(size);
}
void* operator new[](std::size_t size) {
    return allocate(size);
}
void operator delete(void* block) noexcept {
    std::free(block);
}
void operator delete[](void* block) noexcept {
    std::free(block);
}
void operator delete(void* block, std::size_t) noexcept {
    std::free(block);
}
void operator delete[](void* block, std::size_t) noexcept {
    std::free(block);
}

namespace tarvolin {
namespace {

TEST(Refusal, AnInstanceThatCannotGetItsEngineIsRefused) {
    testing::RecordingHost host;
    const host::PluginModule& module = testing::builtModule();
    largeBlocksRefused = true;
    host::PluginInstance refused(module, testing::RecordingHost::callback());
    largeBlocksRefused = false;
    EXPECT_FALSE(refused.isOpen());

    host::PluginInstance later(module, testing::RecordingHost::callback());
    EXPECT_TRUE(later.isOpen());
}

} // namespace
} // namespace tarvolin
