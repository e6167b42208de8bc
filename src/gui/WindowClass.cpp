#include "gui/WindowClass.h"

#include "gui/platform/Window.h"

#include <cstdint>
#include <cstdio>

namespace tarvolin {

namespace {

char className[32] = {};
int useCount = 0;

} // namespace

const char* WindowClass::acquire() {
    if (useCount++ == 0) {
        // The low 32 bits of the handle name the class, as on the 32-bit platform.
        const auto handle =
            static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(platform::moduleHandle()));
        std::snprintf(className, sizeof className, "Plugin%08x", static_cast<unsigned>(handle));
        platform::registerWindowClass(className);
    }
    return className;
}

void WindowClass::release() {
    if (useCount == 0) {
        return;
    }
    if (--useCount == 0) {
        platform::unregisterWindowClass(className);
    }
}

int WindowClass::users() {
    return useCount;
}

} // namespace tarvolin
