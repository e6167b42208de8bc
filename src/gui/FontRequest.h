#pragma once

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

} // namespace tarvolin
