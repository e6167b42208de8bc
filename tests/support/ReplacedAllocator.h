#pragma once

#include <cstddef>

// Programs that link ReplacedAllocator.cpp allocate through these global
// operators new and delete, which count every allocation and can refuse large
// ones, as a host that has run out of memory would.
namespace tarvolin::test {

long allocationCount();

// Blocks above this size throw std::bad_alloc until grantEveryBlock.
void refuseBlocksLargerThan(std::size_t size);
// Blocks of exactly this size throw std::bad_alloc until grantEveryBlock.
void refuseBlocksOfSize(std::size_t size);
void grantEveryBlock();

} // namespace tarvolin::test
