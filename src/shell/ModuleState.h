#pragma once

#include <atomic>

namespace tarvolin {

// State shared by every instance of the loaded module.

// Set when an instance could not get its editor; from then on the module
// refuses new instances, as memory is too short to run them properly.
extern std::atomic<bool> outOfMemory;

} // namespace tarvolin
