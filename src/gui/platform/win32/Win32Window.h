#pragma once

#include "gui/platform/Window.h"

#include <windows.h>

namespace tarvolin::platform {

// A child window of the module's window class. The window keeps a pointer to
// this object in its user data, which is how its procedure finds the client.
class Win32Window final : public Window {
public:
    Win32Window(HWND handle, WindowClient& client);
    ~Win32Window() override;
    Win32Window(const Win32Window&) = delete;
    Win32Window& operator=(const Win32Window&) = delete;

    std::unique_ptr<Surface> surface() override;
    std::unique_ptr<Surface> offscreen(int width, int height) override;
    int mouseButtons() override;
    Point mouseLocation() const override;
    Point screenOrigin() const override;
    std::unique_ptr<EditField> createEditField(const Rect& rect, std::string_view text,
                                               const EditFieldStyle& style,
                                               EditFieldClient& client) override;
    int popUpMenu(std::span<const MenuEntry> entries, Point position) override;
    void* nativeHandle() const override { return handle; }
    void bringToTop() override;
    void setVisible(bool visible) override;
    int eventDescriptor() const override { return -1; }
    bool startIdleTimer(std::uint32_t periodMilliseconds) override;
    // The system sends this window its messages through the procedure.
    void handlePendingEvents() override {}

    // The procedure of the module's window class.
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

private:
    void paint();
    void buttonDown(LPARAM position);
    void destroyed();
    SIZE clientSize() const;

    HWND handle;
    WindowClient* client;
};

} // namespace tarvolin::platform
