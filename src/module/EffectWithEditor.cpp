#include "editor/SynthEditor.h"
#include "instrument/SynthPluginGui.h"
#include "shell/EffectFactory.h"

namespace tarvolin {

EffectBase* createEffect(audioMasterCallback hostCallback) {
    return new SynthPluginGui(hostCallback, &createSynthEditor);
}

} // namespace tarvolin
