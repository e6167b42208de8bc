#include "gui/platform/win32/GdiPicture.h"

#include "gui/platform/win32/MemoryDc.h"

namespace tarvolin::platform {

GdiPicture::GdiPicture(HBITMAP bitmap) : picture(bitmap) {
    BITMAP description{};
    if (bitmap != nullptr && GetObjectA(bitmap, sizeof description, &description) != 0) {
        columns = description.bmWidth;
        rows = description.bmHeight;
    }
}

HBITMAP GdiPicture::transparencyMask(HDC reference) const {
    if (mask != nullptr) {
        return mask.get();
    }
    GdiObject<HBITMAP> made(CreateBitmap(columns, rows, 1, 1, nullptr));
    MemoryDc source(reference, picture.get());
    MemoryDc target(reference, made.get());
    if (!source || !target) {
        return nullptr;
    }
    // Copying colour to monochrome sets exactly the pixels of the source's
    // background colour.
    SetBkColor(source.handle(),
               RGB(TransparentColour.red, TransparentColour.green, TransparentColour.blue));
    BitBlt(target.handle(), 0, 0, columns, rows, source.handle(), 0, 0, SRCCOPY);
    mask = std::move(made);
    return mask.get();
}

} // namespace tarvolin::platform
