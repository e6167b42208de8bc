#include "gui/platform/win32/Win32EditField.h"

#include "gui/platform/win32/GdiFont.h"

#include <string>

namespace tarvolin::platform {

namespace {

// Every edit window has the procedure of the system's class, so one place
// keeps it for all the fields.
WNDPROC systemEditProcedure = nullptr;

Win32EditField* fieldOf(HWND window) {
    return reinterpret_cast<Win32EditField*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

void attach(HWND window, Win32EditField* field) {
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(field));
}

} // namespace

std::unique_ptr<Win32EditField> Win32EditField::create(HWND parent, const Rect& rect,
                                                       std::string_view text,
                                                       const EditFieldStyle& style,
                                                       EditFieldClient& client) {
    const std::string shown(text);
    HWND window = CreateWindowExA(0, "EDIT", shown.c_str(),
                                  WS_CHILD | WS_VISIBLE | ES_CENTER | ES_AUTOHSCROLL, rect.left,
                                  rect.top, rect.width(), rect.height(), parent, nullptr,
                                  static_cast<HINSTANCE>(moduleHandle()), nullptr);
    if (window == nullptr) {
        return nullptr;
    }
    GdiObject<HFONT> font = gdiFontFor(style.font);
    if (font != nullptr) {
        SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
    }
    SendMessageA(window, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN,
                 MAKELPARAM(style.leftMargin, style.rightMargin));
    std::unique_ptr<Win32EditField> field(new Win32EditField(window, std::move(font), client));
    attach(window, field.get());
    const auto previous = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
        window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Win32EditField::procedure)));
    if (previous != &Win32EditField::procedure) {
        systemEditProcedure = previous;
    }
    return field;
}

Win32EditField::Win32EditField(HWND window, GdiObject<HFONT> font, EditFieldClient& client)
    : window(window), font(std::move(font)), client(client) {}

Win32EditField::~Win32EditField() {
    if (window != nullptr) {
        // The focus it loses as it goes reaches nobody.
        attach(window, nullptr);
        DestroyWindow(window);
    }
    // The font goes only after the window that used it.
}

void Win32EditField::takeFocus() {
    if (window != nullptr) {
        SetFocus(window);
    }
}

bool Win32EditField::readText(std::span<char> buffer) const {
    if (window == nullptr) {
        return false;
    }
    if (!buffer.empty()) {
        // Copies at most one byte less than it is given, and the terminator.
        buffer[0] = '\0';
        GetWindowTextA(window, buffer.data(), static_cast<int>(buffer.size()));
        buffer[buffer.size() - 1] = '\0';
    }
    return true;
}

void Win32EditField::end() {
    if (ended) {
        return;
    }
    ended = true;
    // The last thing done: the client may destroy the field, and the window with it.
    client.editEnded();
}

LRESULT CALLBACK Win32EditField::procedure(HWND window, UINT message, WPARAM wParam,
                                           LPARAM lParam) {
    if (Win32EditField* field = fieldOf(window)) {
        switch (message) {
        case WM_KEYDOWN:
            if (wParam == VK_RETURN) {
                field->end();
            }
            break;
        case WM_KILLFOCUS:
            field->end();
            break;
        case WM_NCDESTROY:
            // Destroyed with its parent: the field has nothing left to destroy.
            attach(window, nullptr);
            field->window = nullptr;
            break;
        default:
            break;
        }
    }
    // Ending the edit may have destroyed the window; what is gone gets nothing more.
    if (IsWindow(window) == 0 || systemEditProcedure == nullptr) {
        return 0;
    }
    return CallWindowProcA(systemEditProcedure, window, message, wParam, lParam);
}

} // namespace tarvolin::platform
