#pragma once

#include "Options.h"
#include "pluginhost/PluginInstance.h"

#include <filesystem>
#include <optional>
#include <vector>

namespace tarvolin::render {

// Throws a RenderError unless the module answered with a VST 2 effect that can
// render with processReplacing, and with two outputs where `needsStereo`.
void checkRecord(const AEffect& effect, const std::filesystem::path& module, bool needsStereo);

// Opens the instance as an offline host does, at the options' rate, and
// applies the command line's settings in their order: program, chunk, --set
// (on --channel). Leaves channel 0 current, whatever channel the settings went to.
void prepareInstance(const host::PluginInstance& plugin, const Options& options,
                     std::optional<std::vector<unsigned char>> chunk);

// Makes the channel the one the host and the editor see.
void selectChannel(const host::PluginInstance& plugin, int channel);

} // namespace tarvolin::render
