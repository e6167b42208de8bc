#include "gui/platform/headless/HeadlessHost.h"

#include "gui/platform/Window.h"

namespace tarvolin::platform {

HeadlessClock& HeadlessClock::process() {
    static HeadlessClock clock;
    return clock;
}

void HeadlessHost::scriptMouse(const std::vector<MouseState>& states) {
    script.assign(states.begin(), states.end());
}

Point HeadlessHost::mouseLocation() const {
    return current().location;
}

int HeadlessHost::pollButtons() {
    ++polls;
    clock().advance(clockStep);
    const int buttons = current().buttons;
    if (!script.empty()) {
        steady = script.front();
        script.pop_front();
    }
    return buttons;
}

int HeadlessHost::showMenu(const ShownMenu& menu) {
    menus.push_back(menu);
    // The user may replace the answerer, or meet another menu, while answering.
    const MenuUser user = menuUser;
    return user ? user(menu) : kNoMenuChoice;
}

} // namespace tarvolin::platform
