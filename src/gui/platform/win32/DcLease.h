#pragma once

#include "gui/platform/win32/GdiObject.h"
#include "gui/platform/win32/MemoryDc.h"

#include <windows.h>

namespace tarvolin::platform {

// A device context a surface holds for its lifetime and gives back when it goes.
class DcLease {
public:
    virtual ~DcLease() = default;
    virtual HDC handle() const = 0;
};

// The window's own device context outside paint requests.
class WindowDcLease final : public DcLease {
public:
    explicit WindowDcLease(HWND window) : window(window), dc(GetDC(window)) {}
    ~WindowDcLease() override;
    WindowDcLease(const WindowDcLease&) = delete;
    WindowDcLease& operator=(const WindowDcLease&) = delete;

    HDC handle() const override { return dc; }

private:
    HWND window;
    HDC dc;
};

// A new picture of the given size in a memory device context, both made
// compatible with another device context and deleted together.
class OffscreenDcLease final : public DcLease {
public:
    OffscreenDcLease(HDC compatibleWith, int width, int height);

    HDC handle() const override { return memory.handle(); }
    explicit operator bool() const { return picture != nullptr && static_cast<bool>(memory); }

private:
    GdiObject<HBITMAP> picture;
    MemoryDc memory;
};

} // namespace tarvolin::platform
