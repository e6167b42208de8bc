#pragma once

#include "gui/Colour.h"
#include "gui/DrawingStyles.h"
#include "gui/FontRequest.h"
#include "gui/Geometry.h"

#include <span>
#include <string_view>

namespace tarvolin::platform {

// A picture loaded by a back end; only a surface of the same back end can copy it.
class Picture {
public:
    virtual ~Picture() = default;
    virtual int width() const = 0;
    virtual int height() const = 0;
};

struct Pen {
    Colour colour = White;
    int width = 1;
    LineStyle style = LineSolid;
};

// The drawing operations the toolkit is written against. Every back end keeps
// the same pixel rules, which are those of the classic Windows graphics calls:
// - lineTo draws from the current position up to, not including, the end point;
// - fillRect covers left..right-1 by top..bottom-1;
// - shapes take a bounding box whose right and bottom are exclusive, and the
//   filled ones draw no outline;
// - arcs and pies run counter-clockwise on screen from the direction of start
//   to the direction of end; equal directions make the full ellipse;
// - text is one line, vertically centred in its rectangle;
// - copies clip to both the source and the destination.
class Surface {
public:
    virtual ~Surface() = default;

    virtual void setPen(const Pen& pen) = 0;
    // False when the brush could not be made; the previous one stays in use.
    virtual bool setBrush(Colour colour) = 0;
    virtual void setTextColour(Colour colour) = 0;
    virtual void setTextBackground(Colour colour) = 0;
    virtual void setFont(const FontRequest& font) = 0;
    // Puts back what was selected before the toolkit set pens, brushes and fonts.
    virtual void restoreInitialState() = 0;

    virtual void moveTo(Point point) = 0;
    virtual void lineTo(Point point) = 0;
    virtual void polyline(std::span<const Point> points) = 0;
    virtual void arc(const Rect& box, Point start, Point end) = 0;
    virtual void setPixel(Point point, Colour colour) = 0;

    virtual void fillRect(const Rect& rect) = 0;
    virtual void fillEllipse(const Rect& box) = 0;
    virtual void fillPie(const Rect& box, Point start, Point end) = 0;
    virtual void fillPolygon(std::span<const Point> points) = 0;

    virtual void drawText(std::string_view text, const Rect& rect, TextAlignment alignment,
                          bool opaque) = 0;

    // Copies rect's size from the source, starting at offset, to rect's top-left corner.
    virtual void copyPicture(const Picture& picture, const Rect& rect, Point offset) = 0;
    // As copyPicture, except that white picture pixels leave the destination alone.
    virtual void copyPictureTransparent(const Picture& picture, const Rect& rect, Point offset) = 0;
    virtual void copySurface(const Surface& source, const Rect& rect, Point offset) = 0;
};

} // namespace tarvolin::platform
