#pragma once

#include "gui/FontRequest.h"
#include "gui/Geometry.h"
#include "gui/platform/Window.h"
#include "gui/platform/raster/PixelBuffer.h"

#include <span>
#include <string>
#include <vector>

namespace tarvolin::platform {

inline constexpr FontRequest kMenuFont{"Arial", 13, kFontWeightNormal, kVariablePitchSwiss};

// A pop-up menu as the toolkit draws it: its lines one under the other, the
// entries with room for a check mark on their left, the separators thin.
class MenuLayout {
public:
    // The texts are copied: the entries need not outlive the layout.
    explicit MenuLayout(std::span<const MenuEntry> entries);

    int width() const { return menuWidth; }
    int height() const { return menuHeight; }
    int lineCount() const { return static_cast<int>(lines.size()); }
    // The line's rectangle in the menu's coordinates.
    const Rect& lineArea(int index) const { return lines[static_cast<std::size_t>(index)].area; }

    // The entry under the point that can be chosen, or kNoMenuChoice.
    int entryAt(Point point) const;
    // The next entry that can be chosen after index (or before it, for a
    // negative direction), going round the end; kNoMenuChoice when none can.
    int step(int index, int direction) const;
    // The whole menu, the highlighted entry (if any) lit.
    void draw(PixelBuffer& picture, int highlighted) const;

private:
    struct Line {
        std::string text;
        bool separator;
        bool checked;
        Rect area;
    };

    bool choosable(int index) const;

    std::vector<Line> lines;
    int menuWidth = 0;
    int menuHeight = 0;
};

} // namespace tarvolin::platform
