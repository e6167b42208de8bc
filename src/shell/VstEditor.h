#pragma once

#include "editor/SynthEditor.h"
#include "shell/GuiEditorBase.h"

namespace tarvolin {

class SynthPlugin;

// The instrument's editor behind the host's VST 2 editor requests.
class VstEditor : public GuiEditorBase {
public:
    // Attaches itself to the instrument, whose edit controller it edits through.
    explicit VstEditor(SynthPlugin& plugin);

    // The size at the scale the editor opens at, or opened at while it is open.
    VstIntPtr getRect(ERect** rect) override;
    // Builds the editor in the host's window at the scale its screen asks
    // for: 1, or 0 leaving nothing open.
    VstIntPtr open(void* window) override;
    void close() override;
    void update() override;

    Frame* getFrame() const override { return editor.getFrame(); }
    SynthEditor& synthEditor() { return editor; }

private:
    void chooseScale(void* window);
    void updateRect();

    // A member, so that its frame goes before the base detaches the editor
    // from the effect.
    SynthEditor editor;
    int scale = 1;
    // Asking the screen may mean a round trip to a display server: once
    // between two openings is enough, however often the host asks the size.
    bool scaleChosen = false;
};

// Makes the instrument's editor, which attaches itself to the effect; null
// when there is no memory for it.
EditorInterface* createVstEditor(SynthPlugin& plugin) noexcept;

} // namespace tarvolin
