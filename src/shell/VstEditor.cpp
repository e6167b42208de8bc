#include "shell/VstEditor.h"

#include "editor/EditorScale.h"
#include "gui/platform/Window.h"
#include "shell/SynthPlugin.h"

#include <new>

namespace tarvolin {

VstEditor::VstEditor(SynthPlugin& plugin) : GuiEditorBase(&plugin), editor(plugin) {
    updateRect();
}

void VstEditor::chooseScale(void* window) {
    scale = editorScale(platform::displayScale(window));
    scaleChosen = true;
    updateRect();
}

void VstEditor::updateRect() {
    const Rect size = toDevice(editor.size(), scale);
    rect = {0, 0, static_cast<std::int16_t>(size.height()),
            static_cast<std::int16_t>(size.width())};
}

VstIntPtr VstEditor::getRect(ERect** out) {
    // Asked before the editor opens, the screen at large answers; the
    // host's window, once there is one, answers for itself.
    if (out == nullptr) {
        return 0;
    }
    if (editor.getFrame() == nullptr && !scaleChosen) {
        chooseScale(nullptr);
    }
    return GuiEditorBase::getRect(out);
}

VstIntPtr VstEditor::open(void* window) {
    GuiEditorBase::open(window);
    if (window != nullptr) {
        chooseScale(window);
    }
    if (!editor.open(window, *this, scale)) {
        return 0;
    }
    lastIdleTime = platform::milliseconds();
    return 1;
}

void VstEditor::close() {
    editor.close();
    scaleChosen = false;
}

void VstEditor::update() {
    editor.update();
}

EditorInterface* createVstEditor(SynthPlugin& plugin) noexcept {
    try {
        return new VstEditor(plugin);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

} // namespace tarvolin
