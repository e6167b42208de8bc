#include "instrument/SynthPluginGui.h"

#include "shell/EditorInterface.h"
#include "shell/ModuleState.h"

namespace tarvolin {

namespace {
constexpr VstInt32 kUniqueId = fourCharCode('Q', 'm', 'r', 'v');
}

SynthPluginGui::SynthPluginGui(audioMasterCallback hostCallback, EditorMaker makeEditor)
    : SynthPlugin(hostCallback) {
    setUniqueId(kUniqueId);
    if (makeEditor != nullptr) {
        ownEditor = makeEditor(*this);
        if (ownEditor == nullptr) {
            outOfMemory = true;
        }
    }
}

SynthPluginGui::~SynthPluginGui() {
    delete ownEditor;
}

void SynthPluginGui::setChannelParameter(int channel, VstInt32 index, float value) {
    SynthPlugin::setChannelParameter(channel, index, value);
    if (ownEditor != nullptr) {
        ownEditor->setParameter(index, value);
    }
}

} // namespace tarvolin
