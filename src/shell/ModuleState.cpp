#include "shell/ModuleState.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace tarvolin {

void* moduleInstance = nullptr;
std::atomic<bool> outOfMemory{false};

} // namespace tarvolin

#if defined(_WIN32)

// Every load notification stores the handle again and answers success.
extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD /*reason*/, LPVOID /*reserved*/) {
    tarvolin::moduleInstance = instance;
    return TRUE;
}

#else

namespace {

// The nearest thing to a module handle on ELF systems is the address the
// loader mapped the module at; it is unique per loaded module, like a HINSTANCE.
[[gnu::constructor]] void storeModuleInstance() {
    Dl_info info;
    if (dladdr(reinterpret_cast<void*>(&storeModuleInstance), &info) != 0) {
        tarvolin::moduleInstance = info.dli_fbase;
    }
}

} // namespace

#endif
