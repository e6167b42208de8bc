#include "instrument/SynthPluginGui.h"

#include "shell/EffectFactory.h"

namespace tarvolin {

namespace {
constexpr VstInt32 kUniqueId = fourCharCode('Q', 'm', 'r', 'v');
}

SynthPluginGui::SynthPluginGui(audioMasterCallback hostCallback) : SynthPlugin(hostCallback) {
    setUniqueId(kUniqueId);
}

EffectBase* createEffect(audioMasterCallback hostCallback) {
    return new SynthPluginGui(hostCallback);
}

} // namespace tarvolin
