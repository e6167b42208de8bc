#pragma once

#include "gui/platform/Surface.h"
#include "gui/platform/raster/PixelBuffer.h"

namespace tarvolin::platform {

// The drawing operations on a pixel buffer, with the pixel rules of the surface contract.
class RasterSurface : public Surface {
public:
    explicit RasterSurface(PixelBuffer& target) : target(target) {}

    const PixelBuffer& pixels() const { return target; }

    void setPen(const Pen& newPen) override { pen = newPen; }
    bool setBrush(Colour colour) override;
    void setTextColour(Colour colour) override { textColour = colour; }
    void setTextBackground(Colour colour) override { textBackground = colour; }
    void setFont(const FontRequest& newFont) override { font = newFont; }
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
    void plotPen(Point point);
    // A line from the current position that continues the dot pattern.
    void drawSegment(Point point);
    void copyPixels(const PixelBuffer& source, const Rect& rect, Point offset,
                    bool skipTransparent);

    PixelBuffer& target;
    Pen pen{Black, 1, LineSolid};
    Colour brush = White;
    Colour textColour = Black;
    Colour textBackground = White;
    FontRequest font;
    Point position;
    // Distance along the current dotted path, so the pattern runs on across joins.
    int dashPhase = 0;
};

// A raster surface that owns its pixels: the off-screen picture of a raster window.
class OffscreenRasterSurface : public RasterSurface {
public:
    OffscreenRasterSurface(int width, int height)
        : RasterSurface(ownPixels), ownPixels(width, height) {}

private:
    PixelBuffer ownPixels;
};

} // namespace tarvolin::platform
