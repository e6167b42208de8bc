#include "gui/platform/raster/EllipseShape.h"

#include <cmath>
#include <numbers>

namespace tarvolin::platform {

namespace {

constexpr double kFullTurn = 2.0 * std::numbers::pi;

double normalised(double angle) {
    const double wrapped = std::fmod(angle, kFullTurn);
    return wrapped < 0.0 ? wrapped + kFullTurn : wrapped;
}

} // namespace

EllipseShape::EllipseShape(const Rect& box, Point start, Point end)
    : box(box),
      // Pixel centres sit on integer coordinates: the last covered column is right - 1.
      centreH((box.left + box.right - 1) / 2.0), centreV((box.top + box.bottom - 1) / 2.0),
      // Half a pixel beyond the outermost centres, so the extreme rows and columns get runs.
      radiusH((box.right - box.left) / 2.0), radiusV((box.bottom - box.top) / 2.0),
      startAngle(directionOf(start.h, start.v)) {
    const double endAngle = directionOf(end.h, end.v);
    sweep = normalised(endAngle - startAngle);
    if (sweep == 0.0) {
        sweep = kFullTurn;
    }
}

double EllipseShape::directionOf(double h, double v) const {
    // Screen v grows downwards; counter-clockwise on screen is the usual direction with v up.
    return std::atan2(centreV - v, h - centreH);
}

bool EllipseShape::covers(Point pixel) const {
    if (pixel.h < box.left || pixel.h >= box.right || pixel.v < box.top || pixel.v >= box.bottom) {
        return false;
    }
    const double x = (pixel.h - centreH) / radiusH;
    const double y = (pixel.v - centreV) / radiusV;
    return x * x + y * y <= 1.0;
}

bool EllipseShape::onOutline(Point pixel) const {
    return covers(pixel) && (!covers({pixel.h - 1, pixel.v}) || !covers({pixel.h + 1, pixel.v}) ||
                             !covers({pixel.h, pixel.v - 1}) || !covers({pixel.h, pixel.v + 1}));
}

bool EllipseShape::withinAngle(Point pixel) const {
    if (sweep >= kFullTurn) {
        return true;
    }
    return normalised(directionOf(pixel.h, pixel.v) - startAngle) <= sweep;
}

} // namespace tarvolin::platform
