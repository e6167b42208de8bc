#include "gui/ValueDisplay.h"

#include "gui/DrawContext.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace tarvolin {

void copyText(TextBuffer buffer, const char* text) {
    std::size_t length = 0;
    if (text != nullptr) {
        while (length < buffer.size() - 1 && text[length] != '\0') {
            ++length;
        }
        std::memcpy(buffer.data(), text, length);
    }
    buffer[length] = '\0';
}

ValueDisplay::ValueDisplay(const Rect& size, Bitmap* background, int style)
    : ValueDisplay(size, nullptr, 0, background, style) {}

ValueDisplay::ValueDisplay(const Rect& size, ControlListener* listener, int tag, Bitmap* background,
                           int style)
    : Control(size, listener, tag), style(style), background(background) {}

void ValueDisplay::draw(DrawContext& context) {
    std::array<char, kTextCapacity> text{};
    if (valueFormatter != nullptr) {
        valueFormatter(getValue(), text);
        // A formatter that forgot the terminator still ends inside the buffer.
        text.back() = '\0';
    } else {
        std::snprintf(text.data(), text.size(), "%2.2f", static_cast<double>(getValue()));
    }
    drawText(context, text.data());
}

void ValueDisplay::forceRedraw() {
    // Past about two million, adding a tenth changes nothing; NaN differs from every value.
    const float value = getValue();
    const float other = value + 0.1f;
    setDrawnValue(other != value ? other : std::nanf(""));
}

void ValueDisplay::forceRedrawOfText() {
    setDrawnValue(getValue() == 0.0f ? 1.0f : 0.0f);
}

void ValueDisplay::changeColour(Colour& setting, Colour colour) {
    const bool changed = !setting.sameRgb(colour);
    setting = colour;
    if (changed) {
        forceRedraw();
    }
}

void ValueDisplay::setFont(int newFontIndex) {
    if (newFontIndex != fontIndex) {
        fontIndex = newFontIndex;
        forceRedraw();
    }
}

void ValueDisplay::setFontColour(Colour colour) {
    changeColour(fontColour, colour);
}

void ValueDisplay::setBackgroundColour(Colour colour) {
    changeColour(backgroundColour, colour);
}

void ValueDisplay::setFrameColour(Colour colour) {
    changeColour(frameColour, colour);
}

void ValueDisplay::setShadowColour(Colour colour) {
    changeColour(shadowColour, colour);
}

void ValueDisplay::setAlignment(int newAlignment) {
    if (newAlignment != alignment) {
        alignment = newAlignment;
        forceRedraw();
    }
}

void ValueDisplay::drawText(DrawContext& context, std::string_view text,
                            Bitmap* replacementBackground) {
    const bool twoTone = (style & (kFrameBackgroundColourFirst | kFrameColourFirst)) != 0;
    if (Bitmap* picture =
            replacementBackground != nullptr ? replacementBackground : background.get()) {
        picture->draw(context, size, backgroundOffset);
    } else {
        context.setFillColour(backgroundColour);
        context.fillRect(size);
        if (!twoTone) {
            context.setFrameColour(frameColour);
            context.drawRect(size);
        }
    }
    if (twoTone) {
        drawTwoToneFrame(context);
    }
    context.setFont(fontIndex);
    if ((style & kTextShadow) != 0) {
        context.setFontColour(shadowColour);
        context.drawString(text, {size.left + 1, size.top + 1, size.right + 1, size.bottom + 1},
                           false, alignment);
    }
    context.setFontColour(fontColour);
    context.drawString(text, size, false, alignment);
    markDrawn();
}

void ValueDisplay::drawTwoToneFrame(DrawContext& context) const {
    const bool backgroundFirst = (style & kFrameBackgroundColourFirst) != 0;
    context.setFrameColour(backgroundFirst ? backgroundColour : frameColour);
    context.moveTo({size.left, size.bottom});
    context.lineTo({size.left, size.top});
    context.lineTo({size.right + 1, size.top});
    context.setFrameColour(backgroundFirst ? frameColour : backgroundColour);
    context.moveTo({size.right, size.top + 1});
    context.lineTo({size.right, size.bottom});
    context.lineTo({size.left, size.bottom});
}

} // namespace tarvolin
