#pragma once

#include "pluginhost/PluginModule.h"

#include <filesystem>

namespace tarvolin::testing {

// The built module loaded from a copy of its file of its own, so the loader
// gives it its own module-wide state: above all the noise seed, which starts at
// 0 and otherwise runs on across every instance a test has played. Renders
// from fresh copies can be compared sample for sample.
class FreshModule {
public:
    FreshModule();
    ~FreshModule();
    FreshModule(const FreshModule&) = delete;
    FreshModule& operator=(const FreshModule&) = delete;

    const host::PluginModule& module() const { return *loaded; }

private:
    std::filesystem::path copy;
    std::unique_ptr<host::PluginModule> loaded;
};

} // namespace tarvolin::testing
