#include "pluginhost/SharedLibrary.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace tarvolin::host {

#if defined(_WIN32)
SharedLibrary::SharedLibrary(const std::string& path) : handle(LoadLibraryA(path.c_str())) {
    if (handle == nullptr) {
        loadError = "cannot load module " + path + ": error " + std::to_string(GetLastError());
    }
}

SharedLibrary::~SharedLibrary() {
    if (handle != nullptr) {
        FreeLibrary(static_cast<HMODULE>(handle));
    }
}

void* SharedLibrary::symbol(const char* name) const {
    return handle != nullptr
               ? reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(handle), name))
               : nullptr;
}
#else
SharedLibrary::SharedLibrary(const std::string& path)
    : handle(dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL)) {
    if (handle == nullptr) {
        const char* message = dlerror();
        loadError =
            "cannot load module " + path + ": " + (message != nullptr ? message : "unknown error");
    }
}

SharedLibrary::~SharedLibrary() {
    if (handle != nullptr) {
        dlclose(handle);
    }
}

void* SharedLibrary::symbol(const char* name) const {
    return handle != nullptr ? dlsym(handle, name) : nullptr;
}
#endif

} // namespace tarvolin::host
