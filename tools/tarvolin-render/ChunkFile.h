#pragma once

#include "pluginhost/PluginInstance.h"

#include <cstddef>
#include <filesystem>
#include <vector>

namespace tarvolin::render {

// The instrument's state is one program record of this size, without header.
inline constexpr std::size_t kChunkSize = 4372;

// Refuses a file of any other size before the instrument sees it.
std::vector<unsigned char> readChunkFile(const std::filesystem::path& path);
void loadChunk(const host::PluginInstance& plugin, std::vector<unsigned char>& chunk,
               const std::filesystem::path& source);
void saveChunk(const host::PluginInstance& plugin, const std::filesystem::path& path);

} // namespace tarvolin::render
