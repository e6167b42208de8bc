#include "gui/DrawContext.h"

#include "gui/FontTable.h"
#include "gui/Frame.h"
#include "gui/platform/Surface.h"
#include "gui/platform/Window.h"

#include <algorithm>
#include <vector>

namespace tarvolin {

namespace {

// The shape calls take boxes whose right and bottom are exclusive; the
// toolkit's rectangles include them.
Rect outlineBox(const Rect& rect) {
    return {rect.left, rect.top, rect.right + 1, rect.bottom + 1};
}
Rect fillBox(const Rect& rect) {
    return {rect.left + 1, rect.top + 1, rect.right, rect.bottom};
}

} // namespace

DrawContext::DrawContext(Frame* frame, platform::Surface* surface, platform::Window* window)
    : surface(nullptr), window(window), frame(frame),
      scale(frame != nullptr ? frame->getScale() : 1) {
    attachSurface(surface);
}

DrawContext::~DrawContext() {
    if (surface != nullptr) {
        surface->restoreInitialState();
    }
}

void DrawContext::attachSurface(platform::Surface* newSurface) {
    surface = newSurface;
    if (surface == nullptr) {
        return;
    }
    applyPen();
    surface->setBrush(fillColour);
    surface->setTextBackground(fillColour);
    surface->setTextColour(fontColour);
}

void DrawContext::applyPen() {
    if (surface != nullptr) {
        surface->setPen({frameColour, lineWidth * scale, lineStyle});
    }
}

std::vector<Point> DrawContext::toDevice(std::span<const Point> points) const {
    std::vector<Point> device(points.size());
    std::transform(points.begin(), points.end(), device.begin(),
                   [this](Point point) { return toDevice(point); });
    return device;
}

void DrawContext::moveTo(Point point) {
    if (surface != nullptr) {
        surface->moveTo(toDevice(point));
    }
}

void DrawContext::lineTo(Point point) {
    if (surface != nullptr) {
        surface->lineTo(toDevice(point));
    }
}

void DrawContext::polyline(std::span<const Point> points) {
    if (surface != nullptr) {
        surface->polyline(toDevice(points));
    }
}

void DrawContext::drawRect(const Rect& rect) {
    moveTo({rect.left, rect.top});
    lineTo({rect.right, rect.top});
    lineTo({rect.right, rect.bottom});
    lineTo({rect.left, rect.bottom});
    lineTo({rect.left, rect.top});
}

void DrawContext::drawEllipse(const Rect& rect) {
    const Point topCentre{rect.left + rect.width() / 2, rect.top};
    drawArc(rect, topCentre, topCentre);
}

void DrawContext::drawArc(const Rect& rect, Point start, Point end) {
    if (surface != nullptr) {
        surface->arc(toDevice(outlineBox(rect)), toDevice(start), toDevice(end));
    }
}

void DrawContext::drawPoint(Point point, Colour colour) {
    if (surface == nullptr) {
        return;
    }
    const Point corner = toDevice(point);
    for (int v = 0; v < scale; ++v) {
        for (int h = 0; h < scale; ++h) {
            surface->setPixel({corner.h + h, corner.v + v}, colour);
        }
    }
}

void DrawContext::fillRect(const Rect& rect) {
    if (surface != nullptr) {
        surface->fillRect(toDevice(fillBox(rect)));
    }
}

void DrawContext::fillEllipse(const Rect& rect) {
    if (surface != nullptr) {
        surface->fillEllipse(toDevice(fillBox(rect)));
    }
}

void DrawContext::fillArc(const Rect& rect, Point start, Point end) {
    if (surface != nullptr) {
        surface->fillPie(toDevice(fillBox(rect)), toDevice(start), toDevice(end));
    }
}

void DrawContext::fillPolygon(std::span<const Point> points) {
    if (surface != nullptr) {
        surface->fillPolygon(toDevice(points));
    }
}

void DrawContext::setLineStyle(int style) {
    lineStyle = style == LineDotted ? LineDotted : LineSolid;
    applyPen();
}

void DrawContext::setLineWidth(int width) {
    lineWidth = width;
    applyPen();
}

void DrawContext::setFrameColour(Colour colour) {
    frameColour = colour;
    applyPen();
}

void DrawContext::setFillColour(Colour colour) {
    fillColour = colour;
    if (surface != nullptr) {
        surface->setTextBackground(colour);
        surface->setBrush(colour);
    }
}

void DrawContext::setFontColour(Colour colour) {
    fontColour = colour;
    if (surface != nullptr) {
        surface->setTextColour(colour);
    }
}

void DrawContext::setFont(int index, int size) {
    FontRequest request = fontRequestFor(index, size);
    fontSize = request.pixelHeight;
    request.pixelHeight *= scale;
    if (surface != nullptr) {
        surface->setFont(request);
    }
}

void DrawContext::drawString(std::string_view text, const Rect& rect, bool opaque, int alignment) {
    if (surface == nullptr) {
        return;
    }
    Rect textRect = rect;
    TextAlignment horizontal = AlignLeft;
    if (alignment == AlignCenter || alignment == AlignRight) {
        horizontal = static_cast<TextAlignment>(alignment);
    } else {
        textRect.left += 1;
    }
    surface->drawText(text, toDevice(textRect), horizontal, opaque);
}

int DrawContext::getMouseButtons() const {
    return window != nullptr ? window->mouseButtons() : 0;
}

Point DrawContext::getMouseLocation() const {
    return window != nullptr ? tarvolin::toLogical(window->mouseLocation(), scale) : Point{};
}

} // namespace tarvolin
