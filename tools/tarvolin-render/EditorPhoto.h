#pragma once

#include "Options.h"

#include <optional>
#include <vector>

namespace tarvolin::render {

// Opens the editor of the editor module in a headless window, with the same
// settings the audio gets and the --channel current, clicks it as asked and
// writes its picture as a PNG file.
void photographEditor(const Options& options,
                      const std::optional<std::vector<unsigned char>>& chunk);

} // namespace tarvolin::render
