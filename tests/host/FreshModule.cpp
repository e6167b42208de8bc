#include "FreshModule.h"

#include "TestHost.h"

#include <atomic>
#include <stdexcept>
#include <string>

#include <unistd.h>

namespace tarvolin::testing {

namespace {
std::atomic<int> copies{0};
}

FreshModule::FreshModule() {
    const std::filesystem::path original = builtModulePath();
    // Named by process too: test programs run side by side, and a copy
    // overwritten while another program has it loaded takes that one down.
    copy = std::filesystem::temp_directory_path() /
           ("tarvolin-fresh-" + std::to_string(getpid()) + "-" + std::to_string(copies++) + "-" +
            original.filename().string());
    std::filesystem::copy_file(original, copy, std::filesystem::copy_options::overwrite_existing);
    loaded = std::make_unique<host::PluginModule>(copy.string());
    if (!loaded->isLoaded()) {
        throw std::runtime_error(loaded->error());
    }
}

FreshModule::~FreshModule() {
    loaded.reset();
    std::error_code ignored;
    std::filesystem::remove(copy, ignored);
}

} // namespace tarvolin::testing
