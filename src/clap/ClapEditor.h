#pragma once

#include "clap/abi/Version.h"
#include "editor/SynthEditor.h"
#include "gui/FrameEditor.h"

#include <cstdint>

namespace tarvolin::clap {

class ClapPlugin;

// The instrument's editor behind CLAP's gui extension, embedded in the
// host's window. Made by create, shown by set_parent, gone with destroy. On
// X11 its window reads its own connection, so the host drives the idle pass:
// through a timer and, where offered, through the connection's descriptor. On
// Windows the window's own timer drives it.
class ClapEditor final : public FrameEditor {
public:
    // Loads the pictures and registers the idle timer; shows nothing yet.
    explicit ClapEditor(ClapPlugin& plugin);
    // Closes the editor and hands back every timer and descriptor.
    ~ClapEditor();
    ClapEditor(const ClapEditor&) = delete;
    ClapEditor& operator=(const ClapEditor&) = delete;

    // In device pixels, at the scale the editor opens at.
    Rect size() const { return toDevice(editor.size(), scale()); }
    // The host's word on the screen's density, before the editor is shown:
    // false once it is, or when the user's own choice of scale overrides it.
    bool setHostScale(double factor);
    // Builds the editor in the host's window (an X11 window id or an HWND).
    bool open(void* parent);
    bool setVisible(bool visible);
    // The pending update and the frame's refresh pass, as VST 2's editor idle runs them.
    void idle();
    bool ownsTimer(clap_id timer) const { return timer == idleTimer; }

    void trackingIdle() override;
    void idleTimerElapsed() override { idle(); }
    // Frames of their own need a window the host does not give through CLAP.
    void* openWindow(const WindowRequest& /*request*/) override { return nullptr; }
    void closeWindow(const WindowRequest& /*request*/) override {}

private:
    void forgetDescriptor();
    int scale() const;

    ClapPlugin& plugin;
    SynthEditor editor;
    clap_id idleTimer = CLAP_INVALID_ID;
    int watchedDescriptor = -1;
    std::uint32_t lastTrackingIdle = 0;
    // What set_scale chose; a host that never calls it gets the pictures as drawn.
    int hostScale = 1;
};

} // namespace tarvolin::clap
