#include "shell/GuiEditorBase.h"

#include "gui/Frame.h"
#include "gui/platform/Window.h"
#include "shell/EffectBaseExt.h"

#include <cstring>

namespace tarvolin {

GuiEditorBase::GuiEditorBase(EffectBaseExt* effect) : EditorInterface(effect) {
    if (effect != nullptr) {
        effect->setEditor(this);
    }
}

GuiEditorBase::~GuiEditorBase() {
    EffectBase* owner = EditorInterface::effect;
    if (owner != nullptr && owner->getEditor() == this) {
        owner->setEditor(nullptr);
    }
}

VstIntPtr GuiEditorBase::getRect(ERect** out) {
    *out = &rect;
    return 1;
}

VstIntPtr GuiEditorBase::open(void* window) {
    requestUpdate();
    return EditorInterface::open(window);
}

void GuiEditorBase::idle() {
    EditorInterface::idle();
    if (Frame* frame = getFrame()) {
        frame->idle();
    }
}

void GuiEditorBase::redrawAll() {
    if (Frame* frame = getFrame()) {
        frame->drawView(nullptr);
    }
}

void GuiEditorBase::trackingIdle() {
    const Frame* frame = getFrame();
    if (frame == nullptr || frame->getPlatformWindow() == nullptr) {
        return;
    }
    const std::uint32_t now = platform::milliseconds();
    // A difference, not a sum, so that the clock wrapping round changes nothing.
    if (now - lastIdleTime < kTrackingIdleInterval) {
        return;
    }
    lastIdleTime = now;
    idle();
    // The host may close the editor here; nothing of it is touched afterwards.
    if (EffectBase* owner = EditorInterface::effect) {
        owner->hostIdle();
    }
}

void* GuiEditorBase::openWindow(const WindowRequest& request) {
    EffectBaseExt* owner = effect();
    if (owner == nullptr) {
        return nullptr;
    }
    hostWindow = {};
    std::memcpy(hostWindow.title, request.title, sizeof hostWindow.title);
    hostWindow.title[sizeof hostWindow.title - 1] = '\0';
    // The host's record has room for 16 bits of each.
    hostWindow.xPos = static_cast<std::int16_t>(request.position.h);
    hostWindow.yPos = static_cast<std::int16_t>(request.position.v);
    hostWindow.width = static_cast<std::int16_t>(request.width);
    hostWindow.height = static_cast<std::int16_t>(request.height);
    hostWindow.style = request.style;
    return owner->hostOpenWindow(&hostWindow);
}

void GuiEditorBase::closeWindow(const WindowRequest& /*request*/) {
    if (EffectBaseExt* owner = effect()) {
        owner->hostCloseWindow(&hostWindow);
    }
}

EffectBaseExt* GuiEditorBase::effect() {
    // The constructor takes nothing else.
    return static_cast<EffectBaseExt*>(EditorInterface::effect);
}

} // namespace tarvolin
