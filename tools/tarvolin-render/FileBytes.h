#pragma once

#include <filesystem>
#include <span>
#include <vector>

namespace tarvolin::render {

// Whole-file reads and writes; failures throw a RenderError naming the file and
// what went wrong. Only regular files of at most 256 MiB are read.
std::vector<unsigned char> readFileBytes(const std::filesystem::path& path);
void writeFileBytes(const std::filesystem::path& path, std::span<const unsigned char> bytes);

} // namespace tarvolin::render
