#include "gui/platform/headless/HeadlessHost.h"

namespace tarvolin::platform {

void HeadlessHost::scriptMouse(const std::vector<MouseState>& states) {
    script.assign(states.begin(), states.end());
}

Point HeadlessHost::mouseLocation() const {
    return current().location;
}

int HeadlessHost::pollButtons() {
    ++polls;
    clock += clockStep;
    const int buttons = current().buttons;
    if (!script.empty()) {
        steady = script.front();
        script.pop_front();
    }
    return buttons;
}

} // namespace tarvolin::platform
