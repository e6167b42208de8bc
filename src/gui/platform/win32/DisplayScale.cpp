#include "gui/DisplayScale.h"
#include "gui/platform/Window.h"

#include <windows.h>

namespace tarvolin::platform {

namespace {

using DpiForWindow = UINT(WINAPI*)(HWND);

// Windows 10 from version 1607 on knows each monitor's density; earlier
// systems have one for the whole screen.
DpiForWindow dpiForWindow() {
    static const auto found = reinterpret_cast<DpiForWindow>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), "GetDpiForWindow")));
    return found;
}

} // namespace

// A host that is not DPI-aware is shown 96 dots per inch by both, and its
// windows are enlarged by the system instead.
int displayScale(void* parentWindow) {
    const auto window = static_cast<HWND>(parentWindow);
    if (window != nullptr && dpiForWindow() != nullptr) {
        if (const UINT dpi = dpiForWindow()(window); dpi != 0) {
            return scaleForDpi(dpi);
        }
    }
    HDC dc = GetDC(window);
    if (dc == nullptr) {
        return 1;
    }
    const int dpi = GetDeviceCaps(dc, LOGPIXELSX);
    ReleaseDC(window, dc);
    return scaleForDpi(dpi);
}

} // namespace tarvolin::platform
