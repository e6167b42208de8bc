#pragma once

#include <cstdint>

namespace tarvolin {

// The fourth byte is carried along for whoever stores it; drawing only ever
// uses red, green and blue.
struct Colour {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    std::uint8_t unused = 0;

    constexpr bool sameRgb(const Colour& other) const {
        return red == other.red && green == other.green && blue == other.blue;
    }
    constexpr bool operator==(const Colour&) const = default;
};

inline constexpr Colour White{255, 255, 255, 0};
inline constexpr Colour Black{0, 0, 0, 0};
inline constexpr Colour Grey{127, 127, 127, 0};
inline constexpr Colour Red{255, 0, 0, 0};
inline constexpr Colour Green{0, 255, 0, 0};
inline constexpr Colour Blue{0, 0, 255, 0};
inline constexpr Colour Yellow{255, 255, 0, 0};
inline constexpr Colour Magenta{255, 0, 255, 0};
inline constexpr Colour Cyan{0, 255, 255, 0};
// Picture pixels of this colour are left out by transparent bitmap drawing.
inline constexpr Colour TransparentColour = White;

} // namespace tarvolin
