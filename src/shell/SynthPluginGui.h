#pragma once

#include "shell/SynthPlugin.h"

namespace tarvolin {

class EditorInterface;

// The instrument as hosts receive it: the instrument with its identity, and
// the layer its editor attaches to. Every value the instrument stores is
// passed on to the editor, whichever thread stores it.
class SynthPluginGui : public SynthPlugin {
public:
    // Makes the editor for the effect, which attaches itself; null when there
    // is no memory for it.
    using EditorMaker = EditorInterface* (*)(SynthPlugin& effect) noexcept;

    // Without a maker the instrument has no editor: the module it lives in has
    // no window system to show one in.
    explicit SynthPluginGui(audioMasterCallback hostCallback, EditorMaker makeEditor = nullptr);
    // The editor goes first, while the instrument it shows is still whole.
    ~SynthPluginGui() override;

protected:
    void valueStored(int channel, int index, float value) override;

private:
    EditorInterface* ownEditor = nullptr;
};

} // namespace tarvolin
