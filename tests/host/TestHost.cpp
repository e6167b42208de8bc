#include "TestHost.h"

#include <stdexcept>

namespace tarvolin::testing {

const char* builtModulePath() {
    return TARVOLIN_MODULE_PATH;
}

const host::PluginModule& builtModule() {
    static const host::PluginModule module(builtModulePath());
    if (!module.isLoaded()) {
        throw std::runtime_error(module.error());
    }
    return module;
}

TestHost::TestHost() : TestHost(builtModule()) {}

TestHost::TestHost(const host::PluginModule& module) : plugin(module, RecordingHost::callback()) {}

TestHost::Block TestHost::render(int frames) const {
    Block block{std::vector<float>(static_cast<std::size_t>(frames)),
                std::vector<float>(static_cast<std::size_t>(frames))};
    plugin.processReplacing(block.left, block.right);
    return block;
}

std::vector<float> TestHost::play(const std::vector<VstMidiEvent>& events, int frames) const {
    plugin.sendEvents(events);
    return render(frames).left;
}

} // namespace tarvolin::testing
