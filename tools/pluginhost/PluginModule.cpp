#include "pluginhost/PluginModule.h"

namespace tarvolin::host {

PluginModule::PluginModule(const std::string& path) : library(path) {
    if (!library.isLoaded()) {
        loadError = library.error();
        return;
    }
    for (const char* name : {"VSTPluginMain", "main"}) {
        if (void* symbol = library.symbol(name)) {
            entry = reinterpret_cast<PluginEntry>(symbol);
            return;
        }
    }
    loadError = "module " + path + " has no VST entry point (VSTPluginMain or main)";
}

bool PluginModule::exports(const char* name) const {
    return library.symbol(name) != nullptr;
}

} // namespace tarvolin::host
