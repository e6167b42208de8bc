#include "gui/platform/win32/GdiSurface.h"

#include "gui/platform/win32/BlockTransfer.h"
#include "gui/platform/win32/GdiFont.h"
#include "gui/platform/win32/GdiPicture.h"
#include "gui/platform/win32/MemoryDc.h"

#include <new>

namespace tarvolin::platform {

namespace {

COLORREF colourRef(Colour colour) {
    return RGB(colour.red, colour.green, colour.blue);
}

RECT deviceRect(const Rect& rect) {
    return {rect.left, rect.top, rect.right, rect.bottom};
}

// Null when there is no memory for the copy; the caller then draws nothing.
std::unique_ptr<POINT[]> devicePoints(std::span<const Point> points) {
    std::unique_ptr<POINT[]> converted(new (std::nothrow) POINT[points.size()]);
    if (converted != nullptr) {
        for (std::size_t i = 0; i < points.size(); ++i) {
            converted[i] = {points[i].h, points[i].v};
        }
    }
    return converted;
}

// Filled shapes draw no outline: the null pen stands in while they are drawn.
class NullPen {
public:
    explicit NullPen(HDC dc) : dc(dc), previous(SelectObject(dc, GetStockObject(NULL_PEN))) {}
    ~NullPen() { SelectObject(dc, previous); }
    NullPen(const NullPen&) = delete;
    NullPen& operator=(const NullPen&) = delete;

private:
    HDC dc;
    HGDIOBJ previous;
};

UINT horizontalFormat(TextAlignment alignment) {
    switch (alignment) {
    case AlignCenter:
        return DT_CENTER;
    case AlignRight:
        return DT_RIGHT;
    default:
        return DT_LEFT;
    }
}

} // namespace

GdiSurface::GdiSurface(HDC dc, int width, int height)
    : dc(dc), width(width), height(height), initialPen(GetCurrentObject(dc, OBJ_PEN)),
      initialBrush(GetCurrentObject(dc, OBJ_BRUSH)), initialFont(GetCurrentObject(dc, OBJ_FONT)) {
    // Dotted lines and text leave the gaps between their dots and strokes alone.
    SetBkMode(dc, TRANSPARENT);
}

GdiSurface::GdiSurface(std::unique_ptr<DcLease> held, int width, int height)
    : GdiSurface(held->handle(), width, height) {
    lease = std::move(held);
}

GdiSurface::~GdiSurface() {
    restoreInitialState();
}

void GdiSurface::setPen(const Pen& newPen) {
    const LOGPEN description{static_cast<UINT>(newPen.style == LineDotted ? PS_DOT : PS_SOLID),
                             {newPen.width, 0},
                             colourRef(newPen.colour)};
    GdiObject<HPEN> made(CreatePenIndirect(&description));
    if (made != nullptr) {
        SelectObject(dc, made.get());
        pen = std::move(made);
    }
}

bool GdiSurface::setBrush(Colour colour) {
    const LOGBRUSH description{BS_SOLID, colourRef(colour), 0};
    GdiObject<HBRUSH> made(CreateBrushIndirect(&description));
    if (made == nullptr) {
        return false;
    }
    SelectObject(dc, made.get());
    brush = std::move(made);
    return true;
}

void GdiSurface::setTextColour(Colour colour) {
    SetTextColor(dc, colourRef(colour));
}

void GdiSurface::setTextBackground(Colour colour) {
    SetBkColor(dc, colourRef(colour));
}

void GdiSurface::setFont(const FontRequest& request) {
    GdiObject<HFONT> made = gdiFontFor(request);
    if (made != nullptr) {
        SelectObject(dc, made.get());
        font = std::move(made);
    }
}

void GdiSurface::restoreInitialState() {
    SelectObject(dc, initialPen);
    SelectObject(dc, initialBrush);
    SelectObject(dc, initialFont);
    pen.reset();
    brush.reset();
    font.reset();
}

void GdiSurface::moveTo(Point point) {
    MoveToEx(dc, point.h, point.v, nullptr);
}

void GdiSurface::lineTo(Point point) {
    LineTo(dc, point.h, point.v);
}

void GdiSurface::polyline(std::span<const Point> points) {
    if (const auto converted = devicePoints(points)) {
        Polyline(dc, converted.get(), static_cast<int>(points.size()));
    }
}

void GdiSurface::arc(const Rect& box, Point start, Point end) {
    Arc(dc, box.left, box.top, box.right, box.bottom, start.h, start.v, end.h, end.v);
}

void GdiSurface::setPixel(Point point, Colour colour) {
    SetPixel(dc, point.h, point.v, colourRef(colour));
}

void GdiSurface::fillRect(const Rect& rect) {
    const RECT area = deviceRect(rect);
    FillRect(dc, &area, static_cast<HBRUSH>(GetCurrentObject(dc, OBJ_BRUSH)));
}

void GdiSurface::fillEllipse(const Rect& box) {
    const NullPen noOutline(dc);
    Ellipse(dc, box.left, box.top, box.right, box.bottom);
}

void GdiSurface::fillPie(const Rect& box, Point start, Point end) {
    const NullPen noOutline(dc);
    Pie(dc, box.left, box.top, box.right, box.bottom, start.h, start.v, end.h, end.v);
}

void GdiSurface::fillPolygon(std::span<const Point> points) {
    if (const auto converted = devicePoints(points)) {
        const NullPen noOutline(dc);
        Polygon(dc, converted.get(), static_cast<int>(points.size()));
    }
}

void GdiSurface::drawText(std::string_view text, const Rect& rect, TextAlignment alignment,
                          bool opaque) {
    RECT area = deviceRect(rect);
    SetBkMode(dc, opaque ? OPAQUE : TRANSPARENT);
    DrawTextA(dc, text.data(), static_cast<int>(text.size()), &area,
              DT_SINGLELINE | DT_VCENTER | horizontalFormat(alignment));
    SetBkMode(dc, TRANSPARENT);
}

void GdiSurface::copyPicture(const Picture& picture, const Rect& rect, Point offset) {
    const auto* gdi = dynamic_cast<const GdiPicture*>(&picture);
    if (gdi == nullptr) {
        return;
    }
    const MemoryDc source(dc, gdi->bitmap());
    if (source) {
        copyBlock(dc, rect, {source.handle(), gdi->width(), gdi->height()}, offset);
    }
}

void GdiSurface::copyPictureTransparent(const Picture& picture, const Rect& rect, Point offset) {
    // The masked copy keeps the destination where the picture is white.
    static_assert(TransparentColour.sameRgb(White));
    const auto* gdi = dynamic_cast<const GdiPicture*>(&picture);
    if (gdi == nullptr) {
        return;
    }
    const HBITMAP maskBitmap = gdi->transparencyMask(dc);
    const MemoryDc source(dc, gdi->bitmap());
    const MemoryDc mask(dc, maskBitmap);
    if (source && mask) {
        copyBlockMasked(dc, rect, {source.handle(), gdi->width(), gdi->height()}, mask.handle(),
                        offset);
    }
}

void GdiSurface::copySurface(const Surface& source, const Rect& rect, Point offset) {
    if (const auto* gdi = dynamic_cast<const GdiSurface*>(&source)) {
        copyBlock(dc, rect, {gdi->dc, gdi->width, gdi->height}, offset);
    }
}

} // namespace tarvolin::platform
