#pragma once

#include "gui/platform/Surface.h"
#include "gui/platform/win32/GdiObject.h"

#include <windows.h>

namespace tarvolin::platform {

// A bitmap and, once it has been drawn transparently, its mask.
class GdiPicture : public Picture {
public:
    // Takes the bitmap over.
    explicit GdiPicture(HBITMAP bitmap);

    int width() const override { return columns; }
    int height() const override { return rows; }
    HBITMAP bitmap() const { return picture.get(); }

    // The monochrome mask, 1 where the picture is TransparentColour. Made on
    // the first call, through a device context compatible with reference, and
    // kept as long as the picture; null when it cannot be made.
    HBITMAP transparencyMask(HDC reference) const;

private:
    GdiObject<HBITMAP> picture;
    mutable GdiObject<HBITMAP> mask;
    int columns = 0;
    int rows = 0;
};

} // namespace tarvolin::platform
