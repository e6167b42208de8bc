#pragma once

#include "gui/platform/Window.h"
#include "gui/platform/win32/GdiObject.h"

#include <windows.h>

namespace tarvolin::platform {

// A native "EDIT" child window whose messages pass through a procedure of
// ours first, which ends the edit on Return and on the loss of the focus.
class Win32EditField final : public EditField {
public:
    // Null when the window cannot be made.
    static std::unique_ptr<Win32EditField> create(HWND parent, const Rect& rect,
                                                  std::string_view text,
                                                  const EditFieldStyle& style,
                                                  EditFieldClient& client);
    ~Win32EditField() override;
    Win32EditField(const Win32EditField&) = delete;
    Win32EditField& operator=(const Win32EditField&) = delete;

    void takeFocus() override;
    bool readText(std::span<char> buffer) const override;

private:
    Win32EditField(HWND window, GdiObject<HFONT> font, EditFieldClient& client);

    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void end();

    HWND window;
    GdiObject<HFONT> font;
    EditFieldClient& client;
    bool ended = false;
};

} // namespace tarvolin::platform
