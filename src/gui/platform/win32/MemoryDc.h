#pragma once

#include <windows.h>

namespace tarvolin::platform {

// A memory device context compatible with another one, with a bitmap selected
// into it for as long as it lives. The bitmap stays its owner's.
class MemoryDc {
public:
    MemoryDc(HDC compatibleWith, HBITMAP bitmap);
    ~MemoryDc();
    MemoryDc(const MemoryDc&) = delete;
    MemoryDc& operator=(const MemoryDc&) = delete;

    HDC handle() const { return dc; }
    explicit operator bool() const { return dc != nullptr && previous != nullptr; }

private:
    HDC dc;
    HGDIOBJ previous = nullptr;
};

} // namespace tarvolin::platform
