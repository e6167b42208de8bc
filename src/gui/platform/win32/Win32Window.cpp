#include "gui/platform/win32/Win32Window.h"

#include "gui/MouseButtons.h"
#include "gui/platform/win32/GdiSurface.h"
#include "gui/platform/win32/PopupMenu.h"
#include "gui/platform/win32/Win32EditField.h"

#include <array>
#include <utility>

namespace tarvolin::platform {

namespace {

Win32Window* windowObject(HWND window) {
    return reinterpret_cast<Win32Window*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

void attach(HWND window, Win32Window* object) {
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(object));
}

// The one timer each window runs; it dies with the window.
constexpr UINT_PTR kIdleTimer = 1;

constexpr std::array<std::pair<int, int>, 6> kButtonKeys{{
    {VK_LBUTTON, ButtonLeft},
    {VK_MBUTTON, ButtonMiddle},
    {VK_RBUTTON, ButtonRight},
    {VK_SHIFT, ModifierShift},
    {VK_CONTROL, ModifierControl},
    {VK_MENU, ModifierAlt},
}};

} // namespace

std::unique_ptr<Window> createChildWindow(void* parentWindow, const char* className, int width,
                                          int height, WindowClient& client) {
    HWND handle = CreateWindowExA(0, className, "Window", WS_CHILD | WS_VISIBLE, 0, 0, width,
                                  height, static_cast<HWND>(parentWindow), nullptr,
                                  static_cast<HINSTANCE>(moduleHandle()), nullptr);
    if (handle == nullptr) {
        return nullptr;
    }
    return std::make_unique<Win32Window>(handle, client);
}

Win32Window::Win32Window(HWND handle, WindowClient& client) : handle(handle), client(&client) {
    attach(handle, this);
}

Win32Window::~Win32Window() {
    if (handle != nullptr) {
        // Messages the destruction still sends find nobody.
        attach(handle, nullptr);
        DestroyWindow(handle);
    }
}

LRESULT CALLBACK Win32Window::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (Win32Window* object = windowObject(window)) {
        switch (message) {
        case WM_PAINT:
            object->paint();
            break;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
            object->buttonDown(lParam);
            break;
        case WM_TIMER:
            if (wParam == kIdleTimer) {
                object->client->idleTimerElapsed();
            }
            break;
        case WM_DESTROY:
            object->destroyed();
            break;
        default:
            break;
        }
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void Win32Window::paint() {
    if (GetUpdateRect(handle, nullptr, FALSE) == 0) {
        return;
    }
    PAINTSTRUCT paintRequest;
    HDC dc = BeginPaint(handle, &paintRequest);
    if (dc != nullptr) {
        const SIZE size = clientSize();
        GdiSurface target(dc, size.cx, size.cy);
        client->paint(target);
    }
    EndPaint(handle, &paintRequest);
}

void Win32Window::buttonDown(LPARAM position) {
    if (std::unique_ptr<Surface> target = surface()) {
        const auto bits = static_cast<std::uint32_t>(position);
        client->buttonDown(*target,
                           {static_cast<int>(bits & 0xffff), static_cast<int>(bits >> 16)});
    }
}

void Win32Window::destroyed() {
    attach(handle, nullptr);
    handle = nullptr;
    client->windowDestroyed();
}

SIZE Win32Window::clientSize() const {
    RECT area{};
    GetClientRect(handle, &area);
    return {area.right - area.left, area.bottom - area.top};
}

std::unique_ptr<Surface> Win32Window::surface() {
    if (handle == nullptr) {
        return nullptr;
    }
    auto lease = std::make_unique<WindowDcLease>(handle);
    if (lease->handle() == nullptr) {
        return nullptr;
    }
    const SIZE size = clientSize();
    return std::make_unique<GdiSurface>(std::move(lease), size.cx, size.cy);
}

std::unique_ptr<Surface> Win32Window::offscreen(int width, int height) {
    if (handle == nullptr) {
        return nullptr;
    }
    const WindowDcLease window(handle);
    auto lease = std::make_unique<OffscreenDcLease>(window.handle(), width, height);
    if (!*lease) {
        return nullptr;
    }
    return std::make_unique<GdiSurface>(std::move(lease), width, height);
}

int Win32Window::mouseButtons() {
    int word = 0;
    for (const auto& [key, bit] : kButtonKeys) {
        // The high bit of the answer is the key's state at this moment.
        if ((GetAsyncKeyState(key) & 0x8000) != 0) {
            word |= bit;
        }
    }
    // The key state tells the physical buttons; with the buttons swapped for
    // a left hand, the logical left button (the one that sent the click) is
    // the physical right one.
    if (GetSystemMetrics(SM_SWAPBUTTON) != 0) {
        const int left = word & ButtonLeft;
        const int right = word & ButtonRight;
        word = (word & ~(ButtonLeft | ButtonRight)) | (left != 0 ? ButtonRight : 0) |
               (right != 0 ? ButtonLeft : 0);
    }
    return word;
}

Point Win32Window::mouseLocation() const {
    POINT cursor{};
    GetCursorPos(&cursor);
    MapWindowPoints(nullptr, handle, &cursor, 1);
    return {cursor.x, cursor.y};
}

Point Win32Window::screenOrigin() const {
    RECT placed{};
    if (handle != nullptr) {
        GetWindowRect(handle, &placed);
    }
    return {placed.left, placed.top};
}

std::unique_ptr<EditField> Win32Window::createEditField(const Rect& rect, std::string_view text,
                                                        const EditFieldStyle& style,
                                                        EditFieldClient& client) {
    if (handle == nullptr) {
        return nullptr;
    }
    return Win32EditField::create(handle, rect, text, style, client);
}

int Win32Window::popUpMenu(std::span<const MenuEntry> entries, Point position) {
    if (handle == nullptr) {
        return kNoMenuChoice;
    }
    // This object may be gone when the menu closes; the call needs only the handle.
    return trackPopupMenu(handle, entries, position);
}

bool Win32Window::startIdleTimer(std::uint32_t periodMilliseconds) {
    return handle != nullptr && SetTimer(handle, kIdleTimer, periodMilliseconds, nullptr) != 0;
}

void Win32Window::setVisible(bool visible) {
    if (handle != nullptr) {
        ShowWindow(handle, visible ? SW_SHOWNA : SW_HIDE);
    }
}

void Win32Window::bringToTop() {
    // The host's editor window holds this one; the window to raise holds that.
    if (HWND host = handle != nullptr ? GetParent(handle) : nullptr) {
        if (HWND top = GetParent(host)) {
            BringWindowToTop(top);
        }
    }
}

} // namespace tarvolin::platform
