#include "gui/platform/PictureLoader.h"
#include "gui/platform/Window.h"
#include "gui/platform/win32/GdiPicture.h"

namespace tarvolin::platform {

std::unique_ptr<Picture> loadPicture(int resourceNumber) {
    HBITMAP bitmap =
        LoadBitmapA(static_cast<HINSTANCE>(moduleHandle()), MAKEINTRESOURCEA(resourceNumber));
    if (bitmap == nullptr) {
        return nullptr;
    }
    return std::make_unique<GdiPicture>(bitmap);
}

} // namespace tarvolin::platform
