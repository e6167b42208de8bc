#pragma once

#include "Options.h"
#include "pluginhost/PluginInstance.h"

#include <optional>
#include <vector>

namespace tarvolin::render {

// Opens the instance as an offline host does and applies the command line's
// settings in their order: program, chunk, --set (on --channel). Leaves
// channel 0 current, whatever channel the settings went to.
void prepareInstance(const host::PluginInstance& plugin, const Options& options,
                     std::optional<std::vector<unsigned char>> chunk);

// Makes the channel the one the host and the editor see.
void selectChannel(const host::PluginInstance& plugin, int channel);

} // namespace tarvolin::render
