#pragma once

#include "gui/FontRequest.h"

#include <array>

namespace tarvolin {

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
