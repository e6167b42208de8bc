#include "gui/platform/win32/BlockTransfer.h"

#include "gui/platform/win32/GdiObject.h"
#include "gui/platform/win32/MemoryDc.h"

#include <optional>

namespace tarvolin::platform {

namespace {

// The part of a copy that reads inside the source picture: where it lands,
// where it reads from and its size.
struct ClippedCopy {
    Point to;
    Point from;
    int width;
    int height;
};

std::optional<ClippedCopy> clipToSource(const Rect& rect, const BlockSource& source, Point offset) {
    const Point from{std::max(offset.h, 0), std::max(offset.v, 0)};
    const int right = std::min(offset.h + rect.width(), source.width);
    const int bottom = std::min(offset.v + rect.height(), source.height);
    if (right <= from.h || bottom <= from.v) {
        return std::nullopt;
    }
    return ClippedCopy{{rect.left + from.h - offset.h, rect.top + from.v - offset.v},
                       from,
                       right - from.h,
                       bottom - from.v};
}

} // namespace

void copyBlock(HDC target, const Rect& rect, const BlockSource& source, Point offset) {
    if (const auto copy = clipToSource(rect, source, offset)) {
        BitBlt(target, copy->to.h, copy->to.v, copy->width, copy->height, source.dc, copy->from.h,
               copy->from.v, SRCCOPY);
    }
}

void copyBlockMasked(HDC target, const Rect& rect, const BlockSource& source, HDC mask,
                     Point offset) {
    const auto copy = clipToSource(rect, source, offset);
    if (!copy) {
        return;
    }
    const int width = copy->width;
    const int height = copy->height;
    // Composed aside and copied in one step, so the target never shows a half-made
    // state, and without touching the source, which other views share.
    GdiObject<HBITMAP> composed(CreateCompatibleBitmap(target, width, height));
    MemoryDc composition(target, composed.get());
    if (!composition) {
        return;
    }
    // A fresh device context turns monochrome into colour as black for 0 and
    // white for 1, which the mask needs: 1 is where the source is transparent.
    BitBlt(composition.handle(), 0, 0, width, height, target, copy->to.h, copy->to.v, SRCCOPY);
    // Where the source is opaque the copy becomes white (destination or not mask) ...
    BitBlt(composition.handle(), 0, 0, width, height, mask, copy->from.h, copy->from.v, MERGEPAINT);
    // ... and then the source (destination and source); transparent source
    // pixels are white, so they keep the destination there.
    BitBlt(composition.handle(), 0, 0, width, height, source.dc, copy->from.h, copy->from.v,
           SRCAND);
    BitBlt(target, copy->to.h, copy->to.v, width, height, composition.handle(), 0, 0, SRCCOPY);
}

} // namespace tarvolin::platform
