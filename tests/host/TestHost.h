#pragma once

#include "RecordingHost.h"
#include "pluginhost/PluginInstance.h"

#include <memory>
#include <string>
#include <vector>

namespace tarvolin::testing {

// The built module's file, and the module loaded once per test program as a host loads it.
const char* builtModulePath();
const host::PluginModule& builtModule();

// A recording host with one instance of the built module.
class TestHost {
public:
    TestHost();
    // An instance of another loaded copy of the module.
    explicit TestHost(const host::PluginModule& module);

    RecordingHost host;
    host::PluginInstance plugin;

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
