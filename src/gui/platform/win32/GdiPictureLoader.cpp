#include "gui/platform/PictureLoader.h"
#include "gui/platform/win32/GdiPicture.h"
#include "shell/ModuleState.h"

namespace tarvolin::platform {

std::unique_ptr<Picture> loadPicture(int resourceNumber) {
    HBITMAP bitmap =
        LoadBitmapA(static_cast<HINSTANCE>(moduleInstance), MAKEINTRESOURCEA(resourceNumber));
    if (bitmap == nullptr) {
        return nullptr;
    }
    return std::make_unique<GdiPicture>(bitmap);
}

} // namespace tarvolin::platform
