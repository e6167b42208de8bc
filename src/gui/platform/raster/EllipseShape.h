#pragma once

#include "gui/Geometry.h"

namespace tarvolin::platform {

// The ellipse inscribed in a box whose right and bottom are exclusive, with the
// angular range of an arc or pie: counter-clockwise on screen from the
// direction of start to the direction of end, the whole turn when they agree.
class EllipseShape {
public:
    EllipseShape(const Rect& box, Point start, Point end);

    const Rect& bounds() const { return box; }
    bool covers(Point pixel) const;
    // Covered pixels with a side neighbour that is not covered.
    bool onOutline(Point pixel) const;
    bool withinAngle(Point pixel) const;

private:
    double directionOf(double h, double v) const;

    Rect box;
    double centreH;
    double centreV;
    double radiusH;
    double radiusV;
    double startAngle;
    double sweep;
};

} // namespace tarvolin::platform
