#pragma once

#include <array>

namespace tarvolin {

// A font as the drawing surface is asked for it: a character height in
// pixels (not a cell height) and the classic weight and pitch-and-family codes.
struct FontRequest {
    const char* face = "Arial";
    int pixelHeight = 12;
    int weight = 400;
    int pitchAndFamily = 0x22;
};

inline constexpr int kFontWeightNormal = 400;
inline constexpr int kFontWeightBold = 700;
inline constexpr int kVariablePitchSwiss = 0x22;
inline constexpr int kDefaultPitchDecorative = 0x50;

struct FontTableRow {
    const char* face;
    int defaultSize;
};

inline constexpr std::array<FontTableRow, 7> fontTable{{
    {"Arial", 12},
    {"Arial", 18},
    {"Arial", 14},
    {"Arial", 12},
    {"Arial", 11},
    {"Small Fonts", 9},
    {"Symbol", 13},
}};

// Out-of-range indices fall back to row 0 and a size of 0 to the row's own size.
FontRequest fontRequestFor(int index, int size);

} // namespace tarvolin
