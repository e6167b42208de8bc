#pragma once

#include "gui/platform/Surface.h"
#include "gui/platform/win32/DcLease.h"
#include "gui/platform/win32/GdiObject.h"

#include <windows.h>

#include <memory>

namespace tarvolin::platform {

// The drawing operations on a GDI device context. The pens, brushes and fonts
// the toolkit asks for are made here and selected in place of the ones the
// context had; putting those back lets the surface delete its own.
class GdiSurface : public Surface {
public:
    // On a device context that stays its lender's; width and height bound the
    // copies made out of this surface.
    GdiSurface(HDC dc, int width, int height);
    // On a device context the surface holds until it goes.
    GdiSurface(std::unique_ptr<DcLease> held, int width, int height);
    ~GdiSurface() override;
    GdiSurface(const GdiSurface&) = delete;
    GdiSurface& operator=(const GdiSurface&) = delete;

    HDC handle() const { return dc; }

    void setPen(const Pen& pen) override;
    bool setBrush(Colour colour) override;
    void setTextColour(Colour colour) override;
    void setTextBackground(Colour colour) override;
    void setFont(const FontRequest& font) override;
    void restoreInitialState() override;

    void moveTo(Point point) override;
    void lineTo(Point point) override;
    void polyline(std::span<const Point> points) override;
    void arc(const Rect& box, Point start, Point end) override;
    void setPixel(Point point, Colour colour) override;

    void fillRect(const Rect& rect) override;
    void fillEllipse(const Rect& box) override;
    void fillPie(const Rect& box, Point start, Point end) override;
    void fillPolygon(std::span<const Point> points) override;

    void drawText(std::string_view text, const Rect& rect, TextAlignment alignment,
                  bool opaque) override;

    void copyPicture(const Picture& picture, const Rect& rect, Point offset) override;
    void copyPictureTransparent(const Picture& picture, const Rect& rect, Point offset) override;
    void copySurface(const Surface& source, const Rect& rect, Point offset) override;

private:
    // Declared first, so the device context is given back only after the
    // surface has put its own objects out of it.
    std::unique_ptr<DcLease> lease;
    HDC dc;
    int width;
    int height;

    HGDIOBJ initialPen;
    HGDIOBJ initialBrush;
    HGDIOBJ initialFont;

    GdiObject<HPEN> pen;
    GdiObject<HBRUSH> brush;
    GdiObject<HFONT> font;
};

} // namespace tarvolin::platform
