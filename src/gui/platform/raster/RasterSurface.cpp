#include "gui/platform/raster/RasterSurface.h"

#include "gui/platform/raster/EllipseShape.h"
#include "gui/platform/raster/LineRasteriser.h"
#include "gui/platform/raster/PolygonRasteriser.h"
#include "gui/platform/raster/RasterPicture.h"
#include "gui/platform/raster/TextRasteriser.h"

namespace tarvolin::platform {

namespace {

// The dotted pen of the classic display drivers: three pixels on, three off.
constexpr int kDotLength = 3;

} // namespace

bool RasterSurface::setBrush(Colour colour) {
    brush = colour;
    return true;
}

void RasterSurface::restoreInitialState() {
    pen = {Black, 1, LineSolid};
    brush = White;
    textColour = Black;
    textBackground = White;
    font = {};
}

void RasterSurface::moveTo(Point point) {
    position = point;
    dashPhase = 0;
}

void RasterSurface::plotPen(Point point) {
    const bool drawn = pen.style != LineDotted || (dashPhase / kDotLength) % 2 == 0;
    ++dashPhase;
    if (!drawn) {
        return;
    }
    const std::uint32_t rgb = PixelBuffer::pack(pen.colour);
    if (pen.width <= 1) {
        target.set(point, rgb);
        return;
    }
    // A wide pen is a square nib centred on the line.
    const int before = pen.width / 2;
    for (int v = point.v - before; v < point.v - before + pen.width; ++v) {
        for (int h = point.h - before; h < point.h - before + pen.width; ++h) {
            target.set({h, v}, rgb);
        }
    }
}

// Each LineTo starts the dot pattern afresh, as the Windows display drivers do;
// only the segments of one polyline share it.
void RasterSurface::lineTo(Point point) {
    dashPhase = 0;
    drawSegment(point);
}

void RasterSurface::drawSegment(Point point) {
    forEachLinePixel(position, point, [this](Point pixel) { plotPen(pixel); });
    position = point;
}

void RasterSurface::polyline(std::span<const Point> points) {
    if (points.empty()) {
        return;
    }
    const Point kept = position;
    moveTo(points.front());
    for (const Point point : points.subspan(1)) {
        drawSegment(point);
    }
    // The segments' own end points are left out, and so is the polyline's last one.
    position = kept;
}

void RasterSurface::arc(const Rect& box, Point start, Point end) {
    const EllipseShape ellipse(box, start, end);
    for (int v = box.top; v < box.bottom; ++v) {
        for (int h = box.left; h < box.right; ++h) {
            if (ellipse.onOutline({h, v}) && ellipse.withinAngle({h, v})) {
                plotPen({h, v});
            }
        }
    }
}

void RasterSurface::setPixel(Point point, Colour colour) {
    target.set(point, PixelBuffer::pack(colour));
}

void RasterSurface::fillRect(const Rect& rect) {
    const std::uint32_t rgb = PixelBuffer::pack(brush);
    for (int v = std::max(rect.top, 0); v < std::min(rect.bottom, target.height()); ++v) {
        for (int h = std::max(rect.left, 0); h < std::min(rect.right, target.width()); ++h) {
            target.set({h, v}, rgb);
        }
    }
}

void RasterSurface::fillEllipse(const Rect& box) {
    const Point top{box.left, box.top};
    fillPie(box, top, top);
}

void RasterSurface::fillPie(const Rect& box, Point start, Point end) {
    const EllipseShape ellipse(box, start, end);
    const std::uint32_t rgb = PixelBuffer::pack(brush);
    for (int v = std::max(box.top, 0); v < std::min(box.bottom, target.height()); ++v) {
        for (int h = std::max(box.left, 0); h < std::min(box.right, target.width()); ++h) {
            if (ellipse.covers({h, v}) && ellipse.withinAngle({h, v})) {
                target.set({h, v}, rgb);
            }
        }
    }
}

void RasterSurface::fillPolygon(std::span<const Point> points) {
    const std::uint32_t rgb = PixelBuffer::pack(brush);
    for (const PixelSpan& span : polygonSpans(points)) {
        for (int h = span.left; h < span.right; ++h) {
            target.set({h, span.v}, rgb);
        }
    }
}

void RasterSurface::drawText(std::string_view text, const Rect& rect, TextAlignment alignment,
                             bool opaque) {
    drawTextLine(target, text, rect, alignment, {font, textColour, opaque, textBackground});
}

void RasterSurface::copyPixels(const PixelBuffer& source, const Rect& rect, Point offset,
                               bool skipTransparent) {
    const std::uint32_t transparent = PixelBuffer::pack(TransparentColour);
    for (int row = 0; row < rect.height(); ++row) {
        for (int column = 0; column < rect.width(); ++column) {
            const Point from{offset.h + column, offset.v + row};
            if (!source.contains(from)) {
                continue;
            }
            const std::uint32_t rgb = source.at(from);
            if (!(skipTransparent && rgb == transparent)) {
                target.set({rect.left + column, rect.top + row}, rgb);
            }
        }
    }
}

void RasterSurface::copyPicture(const Picture& picture, const Rect& rect, Point offset) {
    if (const auto* raster = dynamic_cast<const RasterPicture*>(&picture)) {
        copyPixels(raster->buffer(), rect, offset, false);
    }
}

void RasterSurface::copyPictureTransparent(const Picture& picture, const Rect& rect, Point offset) {
    if (const auto* raster = dynamic_cast<const RasterPicture*>(&picture)) {
        copyPixels(raster->buffer(), rect, offset, true);
    }
}

void RasterSurface::copySurface(const Surface& source, const Rect& rect, Point offset) {
    if (const auto* raster = dynamic_cast<const RasterSurface*>(&source)) {
        if (raster != this) {
            copyPixels(raster->target, rect, offset, false);
        }
    }
}

} // namespace tarvolin::platform
