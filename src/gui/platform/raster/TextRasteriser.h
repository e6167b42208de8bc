#pragma once

#include "gui/Colour.h"
#include "gui/DrawingStyles.h"
#include "gui/FontRequest.h"
#include "gui/platform/raster/PixelBuffer.h"

#include <string_view>

namespace tarvolin::platform {

struct TextStyle {
    FontRequest font;
    Colour colour = White;
    // When set, the text's cell (advance width by line height) is filled first.
    bool opaque = false;
    Colour background = Black;
};

// One line of text, vertically centred in rect and placed by alignment, drawn
// with the font fontconfig finds for the request (Liberation Sans for Arial).
// Glyphs are rendered without smoothing, as the default quality of the
// classic text call does. Without a usable font nothing is drawn.
void drawTextLine(PixelBuffer& target, std::string_view text, const Rect& rect,
                  TextAlignment alignment, const TextStyle& style);

} // namespace tarvolin::platform
