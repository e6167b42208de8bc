#pragma once

#include "gui/Geometry.h"

#include <cstdint>
#include <deque>
#include <vector>

namespace tarvolin::platform {

class HeadlessWindow;

// One state of the mouse and modifier keys, as a MouseButtons word.
struct MouseState {
    Point location;
    int buttons = 0;
};

// Stands in for the host's editor window: pass its address as the parent
// window. It plays the user: a scripted mouse and keyboard, and a clock.
// A plug-in module carries its own copy of the headless back end; what its
// windows ask of the host is virtual, so that the host's own code answers,
// and what the host asks of a window is virtual on the window's side.
class HeadlessHost {
public:
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

    void advanceClock(std::uint32_t milliseconds) { clock += milliseconds; }
    // How far the clock moves on at each poll of the buttons, as time passes in a drag.
    void setClockStepPerPoll(std::uint32_t milliseconds) { clockStep = milliseconds; }

    // Plays a host window in which no child window can be made.
    void refuseChildWindows(bool refuse) { refusing = refuse; }

    // The child window most recently made inside this host and still alive.
    HeadlessWindow* child() const { return currentChild; }
    // Child windows made inside this host and not destroyed yet.
    int childCount() const { return children; }
    int buttonPolls() const { return polls; }

    virtual Point mouseLocation() const;
    virtual int pollButtons();
    virtual std::uint32_t tickCount() const { return clock; }
    virtual bool refusesChildWindows() const { return refusing; }

private:
    friend class HeadlessWindow;

    MouseState current() const { return script.empty() ? steady : script.front(); }

    MouseState steady;
    std::deque<MouseState> script;
    std::uint32_t clock = 0;
    std::uint32_t clockStep = 0;
    int polls = 0;
    bool refusing = false;
    HeadlessWindow* currentChild = nullptr;
    int children = 0;
};

} // namespace tarvolin::platform
