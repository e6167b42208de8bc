#include "EditorSession.h"

#include <stdexcept>

namespace tarvolin::testing {

const host::PluginModule& headlessModule() {
    static const host::PluginModule module(TARVOLIN_HEADLESS_MODULE_PATH);
    if (!module.isLoaded()) {
        throw std::runtime_error(module.error());
    }
    return module;
}

VstIntPtr EditorSession::open() {
    const VstIntPtr answer = plugin.dispatch(effEditOpen, 0, 0, &window);
    if (window.child() != nullptr) {
        window.child()->paint();
    }
    return answer;
}

void EditorSession::idle() const {
    plugin.dispatch(effEditIdle);
}

void EditorSession::click(Point where, int buttons) {
    window.scriptMouse({{where, buttons}, {where, 0}});
    window.child()->press(where);
}

void dragIn(platform::HeadlessHost& window, Point where, const std::vector<Point>& path) {
    std::vector<platform::MouseState> states{{where, ButtonLeft}};
    for (const Point point : path) {
        states.push_back({point, ButtonLeft});
    }
    states.push_back({states.back().location, 0});
    window.scriptMouse(states);
    window.child()->press(where);
}

} // namespace tarvolin::testing
