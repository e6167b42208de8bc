#include "ReplacedAllocator.h"

#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <new>

namespace {

std::atomic<long> allocations{0};
std::atomic<std::size_t> largestGrantedBlock{SIZE_MAX};
std::atomic<std::size_t> refusedBlockSize{0};

void* allocate(std::size_t size) {
    allocations.fetch_add(1, std::memory_order_relaxed);
    if (size > largestGrantedBlock.load(std::memory_order_relaxed) ||
        size == refusedBlockSize.load(std::memory_order_relaxed)) {
        throw std::bad_alloc();
    }
    if (void* memory = std::malloc(size == 0 ? 1 : size)) {
        return memory;
    }
    throw std::bad_alloc();
}

} // namespace

namespace tarvolin::test {

long allocationCount() {
    return allocations.load();
}
void refuseBlocksLargerThan(std::size_t size) {
    largestGrantedBlock.store(size);
}
void refuseBlocksOfSize(std::size_t size) {
    refusedBlockSize.store(size);
}
void grantEveryBlock() {
    largestGrantedBlock.store(SIZE_MAX);
    refusedBlockSize.store(0);
}

} // namespace tarvolin::test

void* operator new(std::size_t size) {
    return allocate(size);
}
void* operator new[](std::size_t size) {
    return allocate(size);
}
// The forms that answer null instead of throwing go the same way, so that what
// is refused is refused to them too.
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    try {
        return allocate(size);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}
void* operator new[](std::size_t size, const std::nothrow_t& tag) noexcept {
    return operator new(size, tag);
}
void operator delete(void* memory) noexcept {
    std::free(memory);
}
void operator delete[](void* memory) noexcept {
    std::free(memory);
}
void operator delete(void* memory, std::size_t) noexcept {
    std::free(memory);
}
void operator delete[](void* memory, std::size_t) noexcept {
    std::free(memory);
}
