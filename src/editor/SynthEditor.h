#pragma once

#include "editor/GuiEditorBase.h"
#include "gui/ControlListener.h"

#include <array>

namespace tarvolin {

class Bitmap;
class Control;
class View;
struct ControlPlacement;

// The instrument's editor: the background picture with the 43 controls of the
// layout and the about view over it. Controls mirror the instrument's values
// of the current channel: a user's change goes to the instrument and the host
// through setParameterAutomated; a change from anywhere else is read back from
// the instrument at the next idle.
class SynthEditor : public GuiEditorBase, public ControlListener {
public:
    // Loads the background, whose size is the editor's.
    explicit SynthEditor(EffectBaseExt* effect);
    // Closes an editor the host left open and releases every picture.
    ~SynthEditor() override;

    // Builds the frame in the host's window with every control at the
    // instrument's current value. An open editor is closed first. Answers 0,
    // leaving nothing open, without a window or when the frame cannot be made.
    VstIntPtr open(void* window) override;
    void close() override;
    // Re-reads every control but the learn switch from the current channel.
    void update() override;
    void controlChanged(DrawContext& context, Control& control) override;

    // The control of a parameter while the editor is open; null otherwise.
    Control* getControl(int index) const;

private:
    bool buildFrame(void* window);
    Control* makeControl(const ControlPlacement& placement);
    bool adopt(View* view);
    void loadPictures();
    Bitmap*& picture(int number);
    void releasePicture(int number);

    std::array<Control*, 52> controls{};
    // Indexed by resource number from 128; 134 is never loaded.
    std::array<Bitmap*, 10> pictures{};
};

// Makes the instrument's editor, which attaches itself to the effect; null
// when there is no memory for it.
EditorInterface* createSynthEditor(EffectBaseExt& effect) noexcept;

} // namespace tarvolin
