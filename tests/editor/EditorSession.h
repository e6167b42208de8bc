#pragma once

#include "RecordingHost.h"

#include "gui/MouseButtons.h"
#include "gui/platform/headless/HeadlessHost.h"
#include "gui/platform/headless/HeadlessWindow.h"
#include "pluginhost/PluginInstance.h"

#include <vector>

namespace tarvolin::testing {

// Presses at where in the window's child, moves through path with the left
// button held, lets go.
void dragIn(platform::HeadlessHost& window, Point where, const std::vector<Point>& path);

// The module built with its editor on the headless back end, loaded once per
// test program as a host loads a module.
const host::PluginModule& headlessModule();

// One instance of that module, its editor opened in a headless host window
// and driven as a host and a user drive it.
class EditorSession {
public:
    RecordingHost recorder;
    // Outlives the instance, as a host's window outlives the editor in it.
    platform::HeadlessHost window;
    host::PluginInstance plugin{headlessModule(), RecordingHost::callback()};

    // effEditOpen in the host window, then the paint a real window would ask
    // for; answers what effEditOpen answered.
    VstIntPtr open();
    void idle() const;
    // Presses the buttons at where and lets go.
    void click(Point where, int buttons = ButtonLeft);
    void drag(Point where, const std::vector<Point>& path) { dragIn(window, where, path); }

    const platform::PixelBuffer& pixels() const { return window.child()->pixels(); }
    std::vector<HostRequest> automations() const {
        return recorder.requestsWith(audioMasterAutomate);
    }
};

} // namespace tarvolin::testing
