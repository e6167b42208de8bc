#include "gui/platform/Window.h"

#include <dlfcn.h>

namespace tarvolin::platform {

// Every back end off Windows draws with this library and lives in an ELF
// module or program, so the module handle is answered here once for them all.
void* moduleHandle() {
    // The nearest thing to a module handle on ELF systems is the address the
    // loader mapped the module at; it is unique per loaded module, like a HINSTANCE.
    Dl_info info;
    if (dladdr(reinterpret_cast<void*>(&moduleHandle), &info) == 0) {
        return nullptr;
    }
    return info.dli_fbase;
}

} // namespace tarvolin::platform
