#include "shell/SynthPluginGui.h"

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
    ownEditor = nullptr;
}

void SynthPluginGui::valueStored(int /*channel*/, int index, float value) {
    if (ownEditor != nullptr) {
        ownEditor->setParameter(index, value);
    }
}

} // namespace tarvolin
