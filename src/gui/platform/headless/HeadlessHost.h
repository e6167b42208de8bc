#pragma once

#include "gui/Geometry.h"
#include "gui/platform/headless/HeadlessClock.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace tarvolin::platform {

class HeadlessEditField;
class HeadlessWindow;

// One state of the mouse and modifier keys, as a MouseButtons word.
struct MouseState {
    Point location;
    int buttons = 0;
};

// A pop-up menu as it was shown.
struct ShownMenu {
    struct Line {
        std::string text;
        bool separator = false;
        bool checked = false;
    };
    std::vector<Line> lines;
    // The top-left corner, in screen coordinates.
    Point position;
};

// Stands in for the host's editor window: pass its address as the parent
// window. It plays the user: a scripted mouse and keyboard, the answers to
// pop-up menus, and the process's clock.
// A plug-in module carries its own copy of the headless back end; what its
// windows ask of the host is virtual, so that the host's own code answers,
// and what the host asks of a window is virtual on the window's side.
class HeadlessHost {
public:
    // Chooses from a menu: an entry's index, or kNoMenuChoice to dismiss it.
    // It may do meanwhile whatever a host's idle call may, closing the editor included.
    using MenuUser = std::function<int(const ShownMenu&)>;

    HeadlessHost() = default;
    virtual ~HeadlessHost() = default;
    HeadlessHost(const HeadlessHost&) = delete;
    HeadlessHost& operator=(const HeadlessHost&) = delete;

    // The state the mouse keeps once any script has run out.
    void setMouse(MouseState state) { steady = state; }
    // States taken one after the other. A poll of the buttons answers the
    // current state and moves on to the next, so the first state is the one
    // at the click and the location read after a poll is the next state's.
    void scriptMouse(const std::vector<MouseState>& states);

    void setClock(std::uint32_t milliseconds) { clock().set(milliseconds); }
    void advanceClock(std::uint32_t milliseconds) { clock().advance(milliseconds); }
    // How far the clock moves on at each poll of the buttons, as time passes in a drag.
    void setClockStepPerPoll(std::uint32_t milliseconds) { clockStep = milliseconds; }

    // Where the host's window, and so the child window at its corner, lies on the screen.
    void setScreenOrigin(Point origin) { screenPosition = origin; }
    // Every menu from now on is answered by user; without one, menus are dismissed.
    void answerMenus(MenuUser user) { menuUser = std::move(user); }
    const std::vector<ShownMenu>& menusShown() const { return menus; }

    // Plays a host window in which no child window can be made.
    void refuseChildWindows(bool refuse) { refusing = refuse; }
    // Plays a host window on a screen of this density (1 or 2).
    void setDisplayScale(int scale) { density = scale; }

    // The child window most recently made inside this host and still alive.
    HeadlessWindow* child() const { return currentChild; }
    // Child windows made inside this host and not destroyed yet.
    int childCount() const { return children; }
    // The edit field most recently made in one of its child windows and still there.
    HeadlessEditField* editField() const { return currentField; }
    int editFieldCount() const { return fields; }
    int buttonPolls() const { return polls; }

    virtual Point mouseLocation() const;
    virtual int pollButtons();
    virtual Point screenOrigin() const { return screenPosition; }
    virtual int showMenu(const ShownMenu& menu);
    virtual HeadlessClock& clock() const { return HeadlessClock::process(); }
    virtual bool refusesChildWindows() const { return refusing; }
    virtual int displayScale() const { return density; }

private:
    friend class HeadlessEditField;
    friend class HeadlessWindow;

    MouseState current() const { return script.empty() ? steady : script.front(); }

    MouseState steady;
    std::deque<MouseState> script;
    std::uint32_t clockStep = 0;
    Point screenPosition;
    MenuUser menuUser;
    std::vector<ShownMenu> menus;
    int polls = 0;
    bool refusing = false;
    int density = 1;
    HeadlessWindow* currentChild = nullptr;
    int children = 0;
    HeadlessEditField* currentField = nullptr;
    int fields = 0;
};

} // namespace tarvolin::platform
