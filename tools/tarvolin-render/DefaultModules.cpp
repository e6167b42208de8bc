#include "DefaultModules.h"

#include <system_error>

namespace tarvolin::render {

ModulePaths defaultModules(const ModulePaths& built) {
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) {
        return built;
    }
    // <prefix>/bin/tarvolin-render
    const std::filesystem::path prefix = program.parent_path().parent_path();
    ModulePaths installed{prefix / TARVOLIN_INSTALLED_MODULE,
                          prefix / TARVOLIN_INSTALLED_EDITOR_MODULE};
    if (!std::filesystem::is_regular_file(installed.module, error)) {
        return built;
    }
    return installed;
}

} // namespace tarvolin::render
