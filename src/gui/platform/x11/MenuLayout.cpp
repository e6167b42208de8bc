#include "gui/platform/x11/MenuLayout.h"

#include "gui/platform/raster/RasterSurface.h"
#include "gui/platform/raster/TextRasteriser.h"

#include <algorithm>

namespace tarvolin::platform {

namespace {

constexpr int kBorder = 1;
constexpr int kEntryHeight = 20;
constexpr int kSeparatorHeight = 9;
// The check mark's column on the left, and room after the longest text.
constexpr int kCheckColumn = 22;
constexpr int kTextEnd = 18;
constexpr int kMinimumWidth = 64;

constexpr Colour kFace{240, 240, 240, 0};
constexpr Colour kEdge{128, 128, 128, 0};
constexpr Colour kLit{51, 153, 255, 0};

void drawCheck(RasterSurface& surface, const Rect& line) {
    const int middle = (line.top + line.bottom) / 2;
    for (int thickness = 0; thickness < 2; ++thickness) {
        const int v = middle + thickness;
        surface.moveTo({7, v});
        surface.lineTo({10, v + 3});
        surface.lineTo({16, v - 3});
    }
}

} // namespace

MenuLayout::MenuLayout(std::span<const MenuEntry> entries) {
    int widest = 0;
    int top = kBorder;
    for (const MenuEntry& entry : entries) {
        const int height = entry.separator ? kSeparatorHeight : kEntryHeight;
        lines.push_back({std::string(entry.text), entry.separator, entry.checked, {}});
        lines.back().area = {kBorder, top, 0, top + height};
        top += height;
        if (!entry.separator) {
            widest = std::max(widest, textLineWidth(entry.text, kMenuFont));
        }
    }
    menuWidth = std::max(kMinimumWidth, kCheckColumn + widest + kTextEnd + 2 * kBorder);
    menuHeight = top + kBorder;
    for (Line& line : lines) {
        line.area.right = menuWidth - kBorder;
    }
}

bool MenuLayout::choosable(int index) const {
    return index >= 0 && index < lineCount() && !lines[static_cast<std::size_t>(index)].separator;
}

int MenuLayout::entryAt(Point point) const {
    for (int index = 0; index < lineCount(); ++index) {
        const Rect& area = lineArea(index);
        if (point.h >= area.left && point.h < area.right && point.v >= area.top &&
            point.v < area.bottom) {
            return choosable(index) ? index : kNoMenuChoice;
        }
    }
    return kNoMenuChoice;
}

int MenuLayout::step(int index, int direction) const {
    const int count = lineCount();
    // From nothing lit, down starts at the first line and up at the last.
    int at = choosable(index) ? index : (direction > 0 ? -1 : count);
    for (int tried = 0; tried < count; ++tried) {
        at = ((direction > 0 ? at + 1 : at - 1) % count + count) % count;
        if (choosable(at)) {
            return at;
        }
    }
    return kNoMenuChoice;
}

void MenuLayout::draw(PixelBuffer& picture, int highlighted) const {
    RasterSurface surface(picture);
    surface.setBrush(kFace);
    surface.fillRect({0, 0, menuWidth, menuHeight});
    surface.setPen({kEdge, 1, LineSolid});
    surface.moveTo({0, 0});
    surface.lineTo({menuWidth - 1, 0});
    surface.lineTo({menuWidth - 1, menuHeight - 1});
    surface.lineTo({0, menuHeight - 1});
    surface.lineTo({0, 0});
    surface.setFont(kMenuFont);
    for (int index = 0; index < lineCount(); ++index) {
        const Line& line = lines[static_cast<std::size_t>(index)];
        if (line.separator) {
            const int middle = (line.area.top + line.area.bottom) / 2;
            surface.setPen({kEdge, 1, LineSolid});
            surface.moveTo({line.area.left + 3, middle});
            surface.lineTo({line.area.right - 3, middle});
            continue;
        }
        const bool lit = index == highlighted;
        if (lit) {
            surface.setBrush(kLit);
            surface.fillRect(line.area);
        }
        surface.setPen({lit ? White : Black, 1, LineSolid});
        surface.setTextColour(lit ? White : Black);
        if (line.checked) {
            drawCheck(surface, line.area);
        }
        surface.drawText(
            line.text,
            {line.area.left + kCheckColumn, line.area.top, line.area.right, line.area.bottom},
            AlignLeft, false);
    }
}

} // namespace tarvolin::platform
