#pragma once

#include <filesystem>

namespace tarvolin::render {

struct ModulePaths {
    std::filesystem::path module;
    std::filesystem::path editorModule;
};

// The modules the renderer plays without --module: those installed under the
// same prefix as the renderer itself, where there are, else those built with it.
ModulePaths defaultModules(const ModulePaths& built);

} // namespace tarvolin::render
