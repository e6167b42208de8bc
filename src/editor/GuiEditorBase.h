#pragma once

#include "gui/FrameEditor.h"
#include "shell/EditorInterface.h"

#include <cstdint>
#include <memory>

namespace tarvolin {

class EffectBaseExt;
class Frame;

// Between the host's editor requests and the toolkit: keeps the size the host
// asks for, owns the frame while the editor is open, turns the host's idle
// calls into the frame's refresh pass, and lets controls that track the mouse
// keep the editor and the host alive at a bounded rate.
class GuiEditorBase : public EditorInterface, public FrameEditor {
public:
    // Attaches itself to the effect, which announces the editor to the host.
    explicit GuiEditorBase(EffectBaseExt* effect);
    // Detaches itself from the effect if it is still attached.
    ~GuiEditorBase() override;

    VstIntPtr getRect(ERect** rect) override;
    // Asks for an update and keeps the window; the derived editor builds the frame.
    VstIntPtr open(void* window) override;
    // Destroys the frame, with its views and its child window.
    void close() override;
    // The pending update, then the frame's refresh pass.
    void idle() override;

    // Draws the whole frame at once.
    virtual void redrawAll();

    // At most once every 50 milliseconds: the idle pass, then idle time for the host.
    void trackingIdle() override;
    // An own-window frame's window, asked of the host; one at a time.
    void* openWindow(const WindowRequest& request) override;
    void closeWindow(const WindowRequest& request) override;

    EffectBaseExt* effect();

    Frame* getFrame() const { return frame.get(); }

protected:
    static constexpr std::uint32_t kTrackingIdleInterval = 50;

    ERect rect{};
    std::unique_ptr<Frame> frame;
    // Milliseconds of the platform's clock at the last throttled idle.
    std::uint32_t lastIdleTime = 0;

private:
    // The record the host opened a window for, handed back as it is when the window closes.
    VstWindow hostWindow{};
};

} // namespace tarvolin
