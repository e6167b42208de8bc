#include "clap/ClapEditor.h"

#include "clap/ClapPlugin.h"
#include "clap/Extensions.h"
#include "editor/EditorScale.h"
#include "gui/DisplayScale.h"
#include "gui/Frame.h"
#include "gui/platform/Window.h"

namespace tarvolin::clap {

namespace {

// About thirty refresh passes a second, as hosts idle VST 2 editors.
constexpr std::uint32_t kIdlePeriod = 30;
// A control tracking the mouse asks for passes far more often than that.
constexpr std::uint32_t kTrackingIdleInterval = 50;

} // namespace

ClapEditor::ClapEditor(ClapPlugin& plugin) : plugin(plugin), editor(plugin) {
    const ClapHost& host = plugin.host();
    if (const auto* timers = kHostDrivesEditorIdle ? host.timers() : nullptr) {
        clap_id timer = CLAP_INVALID_ID;
        if (timers->register_timer(host.record(), kIdlePeriod, &timer)) {
            idleTimer = timer;
        }
    }
}

ClapEditor::~ClapEditor() {
    forgetDescriptor();
    editor.close();
    const ClapHost& host = plugin.host();
    if (idleTimer != CLAP_INVALID_ID) {
        host.timers()->unregister_timer(host.record(), idleTimer);
    }
}

int ClapEditor::scale() const {
    return editorScale(hostScale);
}

bool ClapEditor::setHostScale(double factor) {
    if (editor.getFrame() != nullptr || !(factor > 0.0)) {
        return false;
    }
    hostScale = scaleForFactor(factor);
    return scale() == hostScale;
}

bool ClapEditor::open(void* parent) {
    forgetDescriptor();
    if (!editor.open(parent, *this, scale())) {
        return false;
    }
    lastTrackingIdle = platform::milliseconds();
    platform::Window& window = *editor.getFrame()->getPlatformWindow();
    if (!kHostDrivesEditorIdle) {
        if (!window.startIdleTimer(kIdlePeriod)) {
            editor.close();
            return false;
        }
        return true;
    }
    const ClapHost& host = plugin.host();
    const int descriptor = window.eventDescriptor();
    if (descriptor >= 0 && host.fds() != nullptr &&
        host.fds()->register_fd(host.record(), descriptor,
                                CLAP_POSIX_FD_READ | CLAP_POSIX_FD_ERROR)) {
        watchedDescriptor = descriptor;
    }
    return true;
}

void ClapEditor::forgetDescriptor() {
    if (watchedDescriptor >= 0) {
        plugin.host().fds()->unregister_fd(plugin.host().record(), watchedDescriptor);
        watchedDescriptor = -1;
    }
}

bool ClapEditor::setVisible(bool visible) {
    const Frame* frame = editor.getFrame();
    if (frame == nullptr || frame->getPlatformWindow() == nullptr) {
        return false;
    }
    frame->getPlatformWindow()->setVisible(visible);
    return true;
}

void ClapEditor::idle() {
    if (plugin.takeEditorUpdate()) {
        editor.update();
    }
    if (Frame* frame = editor.getFrame()) {
        frame->idle();
    }
}

void ClapEditor::trackingIdle() {
    const std::uint32_t now = platform::milliseconds();
    // A difference, not a sum, so that the clock wrapping round changes nothing.
    if (now - lastTrackingIdle >= kTrackingIdleInterval) {
        lastTrackingIdle = now;
        idle();
    }
}

} // namespace tarvolin::clap
