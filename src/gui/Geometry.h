#pragma once

#include <algorithm>
#include <cstdint>

namespace tarvolin {

struct Rect;

// Window client-area pixels: h grows to the right, v grows downwards.
struct Point {
    std::int32_t h = 0;
    std::int32_t v = 0;

    constexpr Point() = default;
    constexpr Point(std::int32_t h, std::int32_t v) : h(h), v(v) {}

    constexpr bool operator==(const Point&) const = default;

    // Right and bottom edges count as inside, so a click on a view's last
    // coordinate still reaches it.
    constexpr bool isInside(const Rect& rect) const;
};

struct Rect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    constexpr Rect() = default;
    constexpr Rect(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom)
        : left(left), top(top), right(right), bottom(bottom) {}

    // Two opposite corners in any order.
    static constexpr Rect fromCorners(Point a, Point b) {
        return {std::min(a.h, b.h), std::min(a.v, b.v), std::max(a.h, b.h), std::max(a.v, b.v)};
    }

    constexpr std::int32_t width() const { return right - left; }
    constexpr std::int32_t height() const { return bottom - top; }
    constexpr Point topLeft() const { return {left, top}; }

    constexpr bool operator==(const Rect&) const = default;
};

constexpr bool Point::isInside(const Rect& rect) const {
    return rect.left <= h && h <= rect.right && rect.top <= v && v <= rect.bottom;
}

// Views place themselves in logical coordinates; a screen of high density
// shows each logical pixel as scale by scale device pixels.
constexpr Point toDevice(Point point, int scale) {
    return {point.h * scale, point.v * scale};
}
constexpr Rect toDevice(const Rect& rect, int scale) {
    return {rect.left * scale, rect.top * scale, rect.right * scale, rect.bottom * scale};
}
// The logical pixel a device pixel belongs to, left of and above the window too.
constexpr Point toLogical(Point point, int scale) {
    const auto down = [scale](std::int32_t value) {
        return value >= 0 ? value / scale : -((-value + scale - 1) / scale);
    };
    return {down(point.h), down(point.v)};
}

} // namespace tarvolin
