#pragma once

#include "gui/Colour.h"
#include "gui/Geometry.h"

#include <cstdint>
#include <vector>

namespace tarvolin::platform {

// Rows of 0x00RRGGBB pixels, top row first. Reads outside answer black and
// writes outside are dropped, so the rasterisers need no clipping of their own.
class PixelBuffer {
public:
    PixelBuffer() = default;
    PixelBuffer(int width, int height, Colour fill = Black);

    int width() const { return columns; }
    int height() const { return rows; }
    bool contains(Point point) const {
        return point.h >= 0 && point.v >= 0 && point.h < columns && point.v < rows;
    }

    std::uint32_t at(Point point) const { return contains(point) ? pixels[index(point)] : 0; }
    void set(Point point, std::uint32_t rgb) {
        if (contains(point)) {
            pixels[index(point)] = rgb;
        }
    }
    Colour colourAt(Point point) const;
    // The pixels of row v, which must lie inside, for work on whole rows.
    std::uint32_t* row(int v) { return pixels.data() + index({0, v}); }
    const std::uint32_t* row(int v) const { return pixels.data() + index({0, v}); }

    static constexpr std::uint32_t pack(Colour colour) {
        return (std::uint32_t{colour.red} << 16) | (std::uint32_t{colour.green} << 8) | colour.blue;
    }
    static constexpr Colour unpack(std::uint32_t rgb) {
        return {static_cast<std::uint8_t>(rgb >> 16), static_cast<std::uint8_t>(rgb >> 8),
                static_cast<std::uint8_t>(rgb), 0};
    }

    bool operator==(const PixelBuffer&) const = default;

private:
    std::size_t index(Point point) const {
        return static_cast<std::size_t>(point.v) * static_cast<std::size_t>(columns) +
               static_cast<std::size_t>(point.h);
    }

    int columns = 0;
    int rows = 0;
    std::vector<std::uint32_t> pixels;
};

} // namespace tarvolin::platform
