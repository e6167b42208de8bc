#pragma once

#include "gui/FrameEditor.h"
#include "shell/EditorInterface.h"

#include <cstdint>

namespace tarvolin {

class EffectBaseExt;
class Frame;

// Between the host's editor requests and the toolkit: keeps the size the host
// asks for, turns the host's idle calls into the open frame's refresh pass,
// lets controls that track the mouse keep the editor and the host alive at a
// bounded rate, and asks the host for the windows of own-window frames.
class GuiEditorBase : public EditorInterface, public FrameEditor {
public:
    // Attaches itself to the effect, which announces the editor to the host.
    explicit GuiEditorBase(EffectBaseExt* effect);
    // Detaches itself from the effect if it is still attached.
    ~GuiEditorBase() override;

    VstIntPtr getRect(ERect** rect) override;
    // Asks for an update and keeps the window; the derived editor builds the frame.
    VstIntPtr open(void* window) override;
    // The pending update, then the frame's refresh pass.
    void idle() override;

    // Draws the whole frame at once.
    virtual void redrawAll();

    // At most once every 50 milliseconds: the idle pass, then idle time for the host.
    void trackingIdle() override;
    // The same pass as the host's idle calls.
    void idleTimerElapsed() override { idle(); }
    // An own-window frame's window, asked of the host; one at a time.
    void* openWindow(const WindowRequest& request) override;
    void closeWindow(const WindowRequest& request) override;

    EffectBaseExt* effect();

    // The frame of the open editor; null while it is closed.
    virtual Frame* getFrame() const { return nullptr; }

protected:
    static constexpr std::uint32_t kTrackingIdleInterval = 50;

    ERect rect{};
    // Milliseconds of the platform's clock at the last throttled idle.
    std::uint32_t lastIdleTime = 0;

private:
    // The record the host opened a window for, handed back as it is when the window closes.
    VstWindow hostWindow{};
};

} // namespace tarvolin
