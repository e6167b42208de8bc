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

// Opens a new instance at the options' rate and block size and applies the
// program, the chunk (when given) and the --set values.
void prepareInstance(const host::PluginInstance& plugin, const Options& options,
                     std::optional<std::vector<unsigned char>>& chunk);

} // namespace tarvolin::render
