#pragma once

#include "gui/FontRequest.h"
#include "gui/Geometry.h"
#include "gui/platform/Surface.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string_view>

namespace tarvolin::platform {

// What a child window reports to the toolkit object that lives in it.
class WindowClient {
public:
    // The whole client area is to be drawn again.
    virtual void paint(Surface& surface) = 0;
    // Left or right button went down at where.
    virtual void buttonDown(Surface& surface, Point where) = 0;
    // The platform destroyed the window under the client.
    virtual void windowDestroyed() = 0;
    // A period of the window's own idle timer has passed.
    virtual void idleTimerElapsed() = 0;

protected:
    ~WindowClient() = default;
};

// What an edit field reports to the control that opened it.
class EditFieldClient {
public:
    // Return went down in the field, or the field lost the keyboard focus:
    // the edit is over. Comes at most once for each field, and the client may
    // destroy the field while it is told.
    virtual void editEnded() = 0;

protected:
    ~EditFieldClient() = default;
};

struct EditFieldStyle {
    FontRequest font;
    int leftMargin = 0;
    int rightMargin = 0;
};

// A single-line text field over a window, its text centred and scrolling
// sideways as it grows. Destroying the object removes the field and its font
// without a notice.
class EditField {
public:
    virtual ~EditField() = default;

    // Gives the field the keyboard focus.
    virtual void takeFocus() = 0;
    // Copies the text, at most buffer.size() - 1 bytes of it, and a terminator
    // into the buffer. False, with the buffer as it was, when the field went
    // with its window.
    virtual bool readText(std::span<char> buffer) const = 0;
};

// One line of a pop-up menu.
struct MenuEntry {
    std::string_view text;
    bool separator = false;
    bool checked = false;
};

inline constexpr int kNoMenuChoice = -1;

// A child window inside the host's window. Destroying the object detaches the
// client first, so messages that arrive late find nobody, then destroys the window.
class Window {
public:
    virtual ~Window() = default;

    // For drawing outside a paint request; valid while the object lives.
    virtual std::unique_ptr<Surface> surface() = 0;
    // An off-screen picture that can be copied to this window's surfaces.
    virtual std::unique_ptr<Surface> offscreen(int width, int height) = 0;

    // Live state of the mouse buttons and the Shift, Control and Alt keys
    // (MouseButtons word). Tracking loops poll it; a platform that reads its
    // own input takes in what is pending here.
    virtual int mouseButtons() = 0;
    // The cursor position in this window's client coordinates.
    virtual Point mouseLocation() const = 0;
    // Where the top-left corner of the client area lies on the screen.
    virtual Point screenOrigin() const = 0;

    // An edit field in this window at rect (client coordinates) showing text;
    // null when none can be made. It tells client when the edit ends.
    virtual std::unique_ptr<EditField> createEditField(const Rect& rect, std::string_view text,
                                                       const EditFieldStyle& style,
                                                       EditFieldClient& client) = 0;
    // Shows the entries as a pop-up menu owned by this window, its top-left
    // corner at position (screen coordinates), and waits until it closes:
    // answers the index of the entry chosen, or kNoMenuChoice. The entries are
    // read before the menu shows. The platform goes on delivering messages
    // meanwhile, so the toolkit may run inside this call and even destroy
    // this window: the implementation touches nothing of it afterwards.
    virtual int popUpMenu(std::span<const MenuEntry> entries, Point position) = 0;

    // The platform's own handle of the window, which the frame answers as its child window.
    virtual void* nativeHandle() const = 0;
    // Brings the top-level window that holds this one to the front.
    virtual void bringToTop() = 0;
    // Shows or hides the window in its place inside the host's; a new window shows.
    virtual void setVisible(bool visible) = 0;
    // A descriptor that turns readable when input waits for
    // handlePendingEvents, for hosts that watch descriptors rather than
    // calling at intervals; -1 where the platform sends input itself.
    virtual int eventDescriptor() const = 0;
    // Has the platform tell the client idleTimerElapsed every period, for
    // hosts that send no idle calls, until the window goes. False where the
    // platform keeps no time for its windows: there the host must drive the
    // idle pass.
    virtual bool startIdleTimer(std::uint32_t periodMilliseconds) = 0;

    // The frame's idle pass begins here. A platform whose windows read their
    // own input, rather than having it sent to them, handles what is pending:
    // paint requests, clicks and keys reach the client, which may destroy
    // this window meanwhile. Where the platform sends input, nothing.
    virtual void handlePendingEvents() = 0;
};

// Supplied by exactly one window back end in each program.

// The module's window class, under which all its windows are made: counted by
// the toolkit, registered before the first window and unregistered after the
// last. Back ends without registered classes keep the name for their windows.
bool registerWindowClass(const char* className);
void unregisterWindowClass(const char* className);
std::unique_ptr<Window> createChildWindow(void* parentWindow, const char* className, int width,
                                          int height, WindowClient& client);

// The scale (1 or 2) the system asks of an editor in parentWindow, the
// host's window; with null, of one on the screen at large.
int displayScale(void* parentWindow);

// Milliseconds from an arbitrary start, wrapping at 32 bits: the one clock of the process.
std::uint32_t milliseconds();

// The loaded module (plug-in or program) that holds this code, whose pictures
// the toolkit shows and whose window class it registers.
void* moduleHandle();

} // namespace tarvolin::platform
