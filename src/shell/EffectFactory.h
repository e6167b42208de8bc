#pragma once

#include "shell/vst2.h"

namespace tarvolin {

class EffectBase;

// Builds the module's effect object for one host. Supplied by the layer that
// knows the instrument, so the shell stays free of it; may throw
// std::bad_alloc, which the entry point turns into a refusal.
EffectBase* createEffect(audioMasterCallback hostCallback);

} // namespace tarvolin
