#include "gui/platform/win32/DcLease.h"

namespace tarvolin::platform {

WindowDcLease::~WindowDcLease() {
    if (dc != nullptr) {
        ReleaseDC(window, dc);
    }
}

OffscreenDcLease::OffscreenDcLease(HDC compatibleWith, int width, int height)
    : picture(CreateCompatibleBitmap(compatibleWith, width, height)),
      memory(compatibleWith, picture.get()) {}

} // namespace tarvolin::platform
