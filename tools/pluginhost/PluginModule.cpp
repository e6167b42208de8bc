#include "pluginhost/PluginModule.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace tarvolin::host {

namespace {

#if defined(_WIN32)
void* openLibrary(const std::string& path) {
    return LoadLibraryA(path.c_str());
}
void* findSymbol(void* library, const char* name) {
    return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(library), name));
}
void closeLibrary(void* library) {
    FreeLibrary(static_cast<HMODULE>(library));
}
std::string lastLoaderError() {
    return "error " + std::to_string(GetLastError());
}
#else
void* openLibrary(const std::string& path) {
    return dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
}
void* findSymbol(void* library, const char* name) {
    return dlsym(library, name);
}
void closeLibrary(void* library) {
    dlclose(library);
}
std::string lastLoaderError() {
    const char* message = dlerror();
    return message != nullptr ? message : "unknown error";
}
#endif

} // namespace

PluginModule::PluginModule(const std::string& path) {
    handle = openLibrary(path);
    if (handle == nullptr) {
        loadError = "cannot load module " + path + ": " + lastLoaderError();
        return;
    }
    for (const char* name : {"VSTPluginMain", "main"}) {
        if (void* symbol = findSymbol(handle, name)) {
            entry = reinterpret_cast<PluginEntry>(symbol);
            return;
        }
    }
    loadError = "module " + path + " has no VST entry point (VSTPluginMain or main)";
}

bool PluginModule::exports(const char* name) const {
    return handle != nullptr && findSymbol(handle, name) != nullptr;
}

PluginModule::~PluginModule() {
    if (handle != nullptr) {
        closeLibrary(handle);
    }
}

} // namespace tarvolin::host
