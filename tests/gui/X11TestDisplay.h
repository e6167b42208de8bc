#pragma once

#include "XvfbServer.h"

#include "gui/Geometry.h"
#include "gui/platform/raster/PixelBuffer.h"

#include <memory>
#include <vector>

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>

namespace tarvolin::test {

struct ImageDeleter {
    void operator()(XImage* image) const { XDestroyImage(image); }
};
using ServerImage = std::unique_ptr<XImage, ImageDeleter>;

// The test's own connection to a server, as a host has one: top-level
// windows for editors to live in, what the server shows of them, and a
// user's mouse and keyboard through XTest, each step done by the server
// before the call returns.
class X11TestDisplay {
public:
    // Also makes the server the one plug-ins reach.
    explicit X11TestDisplay(const XvfbServer& server);
    ~X11TestDisplay();
    X11TestDisplay(const X11TestDisplay&) = delete;
    X11TestDisplay& operator=(const X11TestDisplay&) = delete;

    Display* display() const { return connection; }
    // A top-level window at the area of the root, waited for until it shows.
    ::Window openWindow(const Rect& area) const;
    std::vector<::Window> childrenOf(::Window window) const;
    // What the server shows of the window's area; null when it cannot tell.
    ServerImage picture(::Window window, const Rect& area) const;
    // The window's place on the root.
    Point rootPosition(::Window window) const;

    void moveTo(Point root) const;
    void button(unsigned number, bool down) const;
    void key(KeySym key, bool down) const;
    // Presses and releases the key.
    void tap(KeySym key) const;
    void sync() const { XSync(connection, False); }

    // X errors of connections other than the tests' own that came to the
    // handler a host has in place: errors that passed a plug-in's trap.
    static int strayErrors();

private:
    Display* connection;
};

// The server's resources (RESOURCE_MANAGER on the root), as a desktop
// publishes them, for as long as the object lives. Connections made
// meanwhile read them.
class ServerResources {
public:
    ServerResources(Display* display, const char* resources);
    ~ServerResources();
    ServerResources(const ServerResources&) = delete;
    ServerResources& operator=(const ServerResources&) = delete;

private:
    Display* display;
};

// Pixels of the image that differ from the expected picture, each colour
// compared in as many bits as the image's visual keeps of it.
int pixelsDiffering(const XImage& image, const platform::PixelBuffer& expected, Point from = {});

// The number of this process's open files and of its shared memory
// mappings: what a connection or an image left open behind would add to.
int openFiles();
int sharedMappings();

} // namespace tarvolin::test
