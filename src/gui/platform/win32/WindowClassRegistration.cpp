#include "gui/platform/Window.h"
#include "gui/platform/win32/Win32Window.h"

namespace tarvolin::platform {

bool registerWindowClass(const char* className) {
    WNDCLASSA windowClass{};
    windowClass.style = 0;
    windowClass.lpfnWndProc = &Win32Window::procedure;
    windowClass.hInstance = static_cast<HINSTANCE>(moduleHandle());
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = className;
    return RegisterClassA(&windowClass) != 0;
}

void unregisterWindowClass(const char* className) {
    UnregisterClassA(className, static_cast<HINSTANCE>(moduleHandle()));
}

} // namespace tarvolin::platform
