#pragma once

#include "gui/Colour.h"
#include "gui/DrawingStyles.h"
#include "gui/Geometry.h"

#include <span>
#include <string_view>
#include <vector>

namespace tarvolin {

class Frame;

namespace platform {
class Surface;
class Window;
} // namespace platform

// One paint, click or idle pass worth of drawing state on a window's surface.
// Lines and outlines use frameColour, fills and the opaque text cell fillColour.
// Without a surface every drawing operation does nothing. Everything is said
// in the frame's logical coordinates and drawn at its scale.
class DrawContext {
public:
    DrawContext(Frame* frame, platform::Surface* surface, platform::Window* window);
    virtual ~DrawContext();
    DrawContext(const DrawContext&) = delete;
    DrawContext& operator=(const DrawContext&) = delete;

    void moveTo(Point point);
    void lineTo(Point point);
    void polyline(std::span<const Point> points);
    // The outline includes the right and bottom coordinates.
    void drawRect(const Rect& rect);
    void drawEllipse(const Rect& rect);
    void drawArc(const Rect& rect, Point start, Point end);
    void drawPoint(Point point, Colour colour);

    // Filled shapes leave the top and left lines to an outline drawn over them.
    void fillRect(const Rect& rect);
    void fillEllipse(const Rect& rect);
    void fillArc(const Rect& rect, Point start, Point end);
    void fillPolygon(std::span<const Point> points);

    void setLineStyle(int style);
    void setLineWidth(int width);
    void setFrameColour(Colour colour);
    void setFillColour(Colour colour);
    void setFontColour(Colour colour);
    void setFont(int index, int size = 0);

    // Always one line, vertically centred; left alignment starts one pixel in.
    void drawString(std::string_view text, const Rect& rect, bool opaque = false,
                    int alignment = AlignCenter);

    int getMouseButtons() const;
    Point getMouseLocation() const;

    // Device pixels to a logical one, each way, as the frame has it.
    int getScale() const { return scale; }
    Point toDevice(Point point) const { return tarvolin::toDevice(point, scale); }
    Rect toDevice(const Rect& rect) const { return tarvolin::toDevice(rect, scale); }
    std::vector<Point> toDevice(std::span<const Point> points) const;

    Frame* getFrame() const { return frame; }
    platform::Window* getWindow() const { return window; }
    platform::Surface* getSurface() const { return surface; }
    int getFontSize() const { return fontSize; }
    Colour getFrameColour() const { return frameColour; }
    Colour getFillColour() const { return fillColour; }
    Colour getFontColour() const { return fontColour; }
    int getLineWidth() const { return lineWidth; }
    LineStyle getLineStyle() const { return lineStyle; }

protected:
    // For contexts that make their surface after the base part exists.
    void attachSurface(platform::Surface* newSurface);

private:
    void applyPen();

    platform::Surface* surface;
    platform::Window* window;
    Frame* frame;
    int scale;
    int fontSize = 0;
    Colour fontColour = White;
    int lineWidth = 1;
    Colour frameColour = White;
    Colour fillColour = Black;
    LineStyle lineStyle = LineSolid;
};

} // namespace tarvolin
