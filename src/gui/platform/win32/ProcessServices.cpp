#include "gui/platform/Window.h"

#include <windows.h>

namespace tarvolin::platform {

void* moduleHandle() {
    // The module this code was linked into: the plug-in's DLL, or a program
    // that carries the toolkit itself. Its handle is never released, so no
    // reference is taken.
    HMODULE module = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                           GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCSTR>(&moduleHandle), &module);
    return module;
}

std::uint32_t milliseconds() {
    return GetTickCount();
}

} // namespace tarvolin::platform
