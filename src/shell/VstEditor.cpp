#include "shell/VstEditor.h"

#include "gui/platform/Window.h"
#include "shell/SynthPlugin.h"

#include <new>

namespace tarvolin {

VstEditor::VstEditor(SynthPlugin& plugin) : GuiEditorBase(&plugin), editor(plugin) {
    const Rect size = editor.size();
    rect = {0, 0, static_cast<std::int16_t>(size.height()),
            static_cast<std::int16_t>(size.width())};
}

VstIntPtr VstEditor::open(void* window) {
    GuiEditorBase::open(window);
    if (!editor.open(window, *this)) {
        return 0;
    }
    lastIdleTime = platform::milliseconds();
    return 1;
}

void VstEditor::close() {
    editor.close();
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
