#pragma once

#include "RecordingHost.h"
#include "TestHost.h"
#include "X11TestDisplay.h"

#include "pluginhost/PluginInstance.h"

#include <functional>
#include <initializer_list>

namespace tarvolin::testing {

// The built module's editor in a window of the test's own on a server of
// the test's own, driven as a Linux host and a user drive it. Make it after
// any headless session is gone: the recording host is the latest one made.
class X11EditorSession {
public:
    // The host's window is the editor's size at scale.
    explicit X11EditorSession(const test::XvfbServer& server = test::XvfbServer::get(),
                              Point corner = {300, 250}, int scale = 1);

    RecordingHost recorder;
    test::X11TestDisplay host;
    Point corner;
    // The host's window, where the editor opens.
    ::Window parent;
    host::PluginInstance plugin{builtModule(), RecordingHost::callback()};

    VstIntPtr open() const { return openIn(parent); }
    VstIntPtr openIn(::Window window) const;
    void idle() const { plugin.dispatch(effEditIdle); }
    // Idles, as a host does every few milliseconds, until done answers true
    // (or a few seconds have gone); answers done's last answer.
    bool idleUntil(const std::function<bool()>& done) const;
    // The editor's window in the host's, or None.
    ::Window child() const;
    // What the server shows of the editor's area.
    test::ServerImage picture(const Rect& area = {0, 0, 676, 345}) const;

    // The user's hand, in the editor's coordinates: each step is done by the
    // server when it returns, and the editor takes it in at its next idle.
    void press(Point where, unsigned button = Button1) const;
    void release(unsigned button = Button1) const;
    void moveTo(Point where) const;
    void click(Point where) const;
    void drag(Point where, std::initializer_list<Point> path) const;

    std::vector<HostRequest> automations() const {
        return recorder.requestsWith(audioMasterAutomate);
    }
};

// The host's window number as the effEditOpen pointer carries it.
void* asPointer(::Window window);

} // namespace tarvolin::testing
