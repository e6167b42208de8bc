#include "shell/EffectFactory.h"
#include "shell/SynthPluginGui.h"
#include "shell/VstEditor.h"

namespace tarvolin {

EffectBase* createEffect(audioMasterCallback hostCallback) {
    return new SynthPluginGui(hostCallback, &createVstEditor);
}

} // namespace tarvolin
