#pragma once

#include "RecordingHost.h"
#include "pluginhost/PluginInstance.h"

#include <memory>
#include <string>
#include <vector>

namespace tarvolin::testing {

// The built module, loaded once per test program as a host loads it.
const host::PluginModule& builtModule();

// A recording host with one instance of the built module.
class TestHost {
public:
    TestHost();

    RecordingHost host;
    host::PluginInstance plugin{builtModule(), RecordingHost::callback()};

    // Renders frames samples through processReplacing; both channels are returned.
    struct Block {
        std::vector<float> left;
        std::vector<float> right;
    };
    Block render(int frames) const;
    // Renders frames samples of one channel, after sending the events.
    std::vector<float> play(const std::vector<VstMidiEvent>& events, int frames) const;
};

} // namespace tarvolin::testing
