#include "instrument/SynthPluginGui.h"
#include "shell/EffectFactory.h"

namespace tarvolin {

// A module without a window back end announces no editor: a host's window
// handle must never be taken for something it is not.
EffectBase* createEffect(audioMasterCallback hostCallback) {
    return new SynthPluginGui(hostCallback);
}

} // namespace tarvolin
