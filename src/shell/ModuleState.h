#pragma once

#include <atomic>

namespace tarvolin {

// State shared by every instance of the loaded module.

// The module's own handle, stored when the module is loaded: the GUI toolkit
// needs it to reach the module's pictures and to name its window class.
extern void* moduleInstance;

// Set when an instance could not get its editor; from then on the module
// refuses new instances, as memory is too short to run them properly.
extern std::atomic<bool> outOfMemory;

} // namespace tarvolin
