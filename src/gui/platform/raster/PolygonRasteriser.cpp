#include "gui/platform/raster/PolygonRasteriser.h"

#include <algorithm>
#include <cmath>

namespace tarvolin::platform {

std::vector<PixelSpan> polygonSpans(std::span<const Point> points) {
    std::vector<PixelSpan> spans;
    if (points.size() < 3) {
        return spans;
    }
    const auto [lowest, highest] = std::minmax_element(points.begin(), points.end(),
                                                       [](Point a, Point b) { return a.v < b.v; });
    std::vector<double> crossings;
    for (int v = lowest->v; v < highest->v; ++v) {
        crossings.clear();
        for (std::size_t i = 0; i < points.size(); ++i) {
            const Point a = points[i];
            const Point b = points[(i + 1) % points.size()];
            // Half-open in v, so a vertex shared by two edges counts once.
            if ((a.v <= v && v < b.v) || (b.v <= v && v < a.v)) {
                const double t = static_cast<double>(v - a.v) / (b.v - a.v);
                crossings.push_back(a.h + t * (b.h - a.h));
            }
        }
        std::sort(crossings.begin(), crossings.end());
        for (std::size_t i = 0; i + 1 < crossings.size(); i += 2) {
            const int left = static_cast<int>(std::ceil(crossings[i]));
            const int right = static_cast<int>(std::ceil(crossings[i + 1]));
            if (left < right) {
                spans.push_back({v, left, right});
            }
        }
    }
    return spans;
}

} // namespace tarvolin::platform
