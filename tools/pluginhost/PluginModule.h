#pragma once

#include "pluginhost/SharedLibrary.h"
#include "shell/vst2.h"

#include <string>

namespace tarvolin::host {

using PluginEntry = AEffect*(VSTCALLBACK*)(audioMasterCallback);

// A plug-in module file loaded the way a host loads it: the dynamic loader
// first, then the exported entry point ("VSTPluginMain", or the older "main").
class PluginModule {
public:
    explicit PluginModule(const std::string& path);
    PluginModule(const PluginModule&) = delete;
    PluginModule& operator=(const PluginModule&) = delete;

    bool isLoaded() const { return entry != nullptr; }
    // Why loading failed, as one line for a person to read.
    const std::string& error() const { return loadError; }
    PluginEntry entryPoint() const { return entry; }
    // Whether the module exports a symbol of that name.
    bool exports(const char* name) const;

private:
    SharedLibrary library;
    PluginEntry entry = nullptr;
    std::string loadError;
};

} // namespace tarvolin::host
