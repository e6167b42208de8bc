#include "instrument/SynthPluginGui.h"

#include "editor/GuiEditorBase.h"
#include "shell/ModuleState.h"

namespace tarvolin {

namespace {
constexpr VstInt32 kUniqueId = fourCharCode('Q', 'm', 'r', 'v');
}

SynthPluginGui::SynthPluginGui(audioMasterCallback hostCallback, EditorMaker makeEditor)
    : SynthPlugin(hostCallback) {
    setUniqueId(kUniqueId);
    if (makeEditor != nullptr) {
        guiEditor = makeEditor(*this);
        if (guiEditor == nullptr) {
            outOfMemory = true;
        }
    }
}

SynthPluginGui::~SynthPluginGui() {
    delete guiEditor;
}

void SynthPluginGui::setChannelParameter(int channel, VstInt32 index, float value) {
    SynthPlugin::setChannelParameter(channel, index, value);
    if (guiEditor != nullptr) {
        guiEditor->setParameter(index, value);
    }
}

} // namespace tarvolin
