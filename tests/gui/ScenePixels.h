#pragma once

#include "gui/Colour.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tarvolin::test {

// Pixels as 0x00RRGGBB, top row first: what one back end drew, in a form
// both builds can read and write.
struct ScenePixels {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> rgb;

    ScenePixels() = default;
    ScenePixels(int width, int height)
        : width(width), height(height),
          rgb(static_cast<std::size_t>(width) * static_cast<std::size_t>(height)) {}

    std::uint32_t at(int h, int v) const {
        return rgb[static_cast<std::size_t>(v) * static_cast<std::size_t>(width) +
                   static_cast<std::size_t>(h)];
    }
    void set(int h, int v, std::uint32_t value) {
        rgb[static_cast<std::size_t>(v) * static_cast<std::size_t>(width) +
            static_cast<std::size_t>(h)] = value;
    }
};

inline constexpr std::uint32_t packed(Colour colour) {
    return (std::uint32_t{colour.red} << 16) | (std::uint32_t{colour.green} << 8) | colour.blue;
}

// Binary PPM (P6): any image viewer shows it.
bool writePpm(const ScenePixels& pixels, const std::string& path);
std::optional<ScenePixels> readPpm(const std::string& path);

} // namespace tarvolin::test
