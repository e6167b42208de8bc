#pragma once

#include "gui/BitmapReference.h"
#include "gui/Colour.h"
#include "gui/Control.h"

#include <span>
#include <string_view>

namespace tarvolin {

// Style bits of the text controls.
enum TextStyle : int {
    // The text is drawn a second time, one pixel right and down, in the shadow colour.
    kTextShadow = 4,
    // A two-tone frame: left and top in the background colour, right and bottom in the frame
    // colour.
    kFrameBackgroundColourFirst = 0x80,
    // The same the other way round: left and top in the frame colour.
    kFrameColourFirst = 0x100,
    // The pop-up menu opens at the control's top edge instead of below it.
    kMenuAtTop = 0x200,
    // The pop-up menu marks the selected entry.
    kMenuChecksSelected = 0x400,
};

// Every text of the text controls fits this buffer with its terminator.
inline constexpr int kTextCapacity = 256;
using TextBuffer = std::span<char, kTextCapacity>;
// Writes the value's text into the buffer, which holds an empty string when called.
using ValueFormatter = void (*)(float value, TextBuffer text);

// Copies at most kTextCapacity - 1 bytes of text (empty for null) into a
// buffer of that capacity, terminated.
void copyText(TextBuffer buffer, const char* text);

// Shows its value as text over a picture or a filled rectangle, formatted as
// "%2.2f" unless a formatter makes the text. A display only: no listener.
class ValueDisplay : public Control {
public:
    ValueDisplay(const Rect& size, Bitmap* background, int style);

    void draw(DrawContext& context) override;

    // Each setting that changes how the text looks makes the next refresh redraw.
    virtual void setFont(int fontIndex);
    // Colours compare in red, green and blue only.
    virtual void setFontColour(Colour colour);
    virtual void setBackgroundColour(Colour colour);
    virtual void setFrameColour(Colour colour);
    virtual void setShadowColour(Colour colour);
    virtual void setAlignment(int alignment);
    virtual void setBackgroundOffset(Point offset) { backgroundOffset = offset; }
    virtual void setValueFormatter(ValueFormatter formatter) { valueFormatter = formatter; }

    int getStyle() const { return style; }
    int getFont() const { return fontIndex; }
    int getAlignment() const { return alignment; }
    Colour getFontColour() const { return fontColour; }
    Colour getBackgroundColour() const { return backgroundColour; }
    Colour getFrameColour() const { return frameColour; }
    Colour getShadowColour() const { return shadowColour; }

protected:
    ValueDisplay(const Rect& size, ControlListener* listener, int tag, Bitmap* background,
                 int style);

    // The drawing the text controls share: the background (the replacement
    // picture if given, else the control's own, else a filled rectangle),
    // the frame, the shadow and the text; then the control counts as drawn.
    void drawText(DrawContext& context, std::string_view text,
                  Bitmap* replacementBackground = nullptr);
    // For settings that change the looks but not the value.
    void forceRedraw();
    // The same for a new text or selection: drawn value 1 for the value 0, 0 for any other.
    void forceRedrawOfText();

private:
    void drawTwoToneFrame(DrawContext& context) const;
    void changeColour(Colour& setting, Colour colour);

    int alignment = 1;
    int style;
    int fontIndex = 3;
    Colour fontColour = White;
    Colour backgroundColour = Black;
    Colour frameColour = Black;
    Colour shadowColour = Red;
    Point backgroundOffset;
    BitmapReference background;
    ValueFormatter valueFormatter = nullptr;
};

} // namespace tarvolin
