#include "gui/platform/win32/MemoryDc.h"

namespace tarvolin::platform {

MemoryDc::MemoryDc(HDC compatibleWith, HBITMAP bitmap) : dc(CreateCompatibleDC(compatibleWith)) {
    if (dc != nullptr && bitmap != nullptr) {
        previous = SelectObject(dc, bitmap);
    }
}

MemoryDc::~MemoryDc() {
    if (dc == nullptr) {
        return;
    }
    // A bitmap can be selected into one device context only; give it back free.
    if (previous != nullptr) {
        SelectObject(dc, previous);
    }
    DeleteDC(dc);
}

} // namespace tarvolin::platform
