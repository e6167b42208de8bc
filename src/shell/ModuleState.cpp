#include "shell/ModuleState.h"

namespace tarvolin {

std::atomic<bool> outOfMemory{false};

} // namespace tarvolin
