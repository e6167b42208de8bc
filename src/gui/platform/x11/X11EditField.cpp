#include "gui/platform/x11/X11EditField.h"

#include "gui/platform/raster/RasterSurface.h"
#include "gui/platform/raster/TextRasteriser.h"
#include "gui/platform/x11/X11Window.h"

#include <algorithm>
#include <cstring>

namespace tarvolin::platform {

namespace {

// As much as the control it edits can hold.
constexpr std::size_t kTextLimit = 255;
// The caret keeps this far off the field's top and bottom.
constexpr int kCaretInset = 2;

} // namespace

X11EditField::X11EditField(X11Window& window, const Rect& rect, std::string_view text,
                           const EditFieldStyle& style, EditFieldClient& client)
    : window(window), area(rect), content(text.substr(0, kTextLimit)), original(content),
      look(style), client(client) {
    window.addField(*this);
}

X11EditField::~X11EditField() {
    window.removeField(*this);
}

void X11EditField::takeFocus() {
    hasKeyboard = true;
    window.giveKeyboardTo(*this);
}

// The text is the field's own, so it outlives even the window.
bool X11EditField::readText(std::span<char> buffer) const {
    if (!buffer.empty()) {
        const std::size_t length = std::min(content.size(), buffer.size() - 1);
        std::memcpy(buffer.data(), content.data(), length);
        buffer[length] = '\0';
    }
    return true;
}

void X11EditField::press(EditKey key, std::string_view typed) {
    switch (key) {
    case EditKey::Confirm:
        end();
        return;
    case EditKey::Cancel:
        content = original;
        end();
        return;
    case EditKey::Erase:
        if (!content.empty()) {
            content.pop_back();
        }
        break;
    case EditKey::Typing:
        content.append(typed.substr(0, kTextLimit - std::min(kTextLimit, content.size())));
        break;
    }
    window.present();
}

void X11EditField::loseKeyboard() {
    hasKeyboard = false;
    end();
}

void X11EditField::end() {
    if (ended) {
        return;
    }
    ended = true;
    // The last thing done: the client may destroy the field.
    client.editEnded();
}

void X11EditField::drawOver(PixelBuffer& picture) const {
    RasterSurface surface(picture);
    surface.setBrush(White);
    surface.fillRect(area);
    const Rect inner{area.left + look.leftMargin, area.top, area.right - look.rightMargin,
                     area.bottom};
    const int width = textLineWidth(content, look.font);
    const bool fits = width <= inner.width();
    surface.setFont(look.font);
    surface.setTextColour(Black);
    surface.drawText(content, inner, fits ? AlignCenter : AlignRight, false);
    if (!hasKeyboard || ended) {
        return;
    }
    const int caret = fits ? inner.left + (inner.width() - width) / 2 + width : inner.right;
    surface.setPen({Black, 1, LineSolid});
    surface.moveTo({caret, area.top + kCaretInset});
    surface.lineTo({caret, area.bottom - kCaretInset});
}

} // namespace tarvolin::platform
