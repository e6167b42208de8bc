#pragma once

#include "gui/BitmapReference.h"
#include "gui/Control.h"

#include <array>
#include <span>

namespace tarvolin {

// Displays that read a value out in pictures; they take no clicks.

// A whole number in up to seven digits, each copied from a picture of the
// ten digits 0 to 9 stacked top to bottom. The value is shown within
// minimum..maximum, which start at 0 and the largest number of that many
// digits, so that 1500 in three digits shows 999.
class DigitDisplay : public Control {
public:
    static constexpr int kMaxDigits = 7;

    // One digit for each position given in both lists, at most seven, the
    // most significant first (frame coordinates of each digit's corner).
    DigitDisplay(const Rect& size, ControlListener* listener, int tag, int value, int digitCount,
                 std::span<const int> xPositions, std::span<const int> yPositions, int digitWidth,
                 int digitHeight, Bitmap* bitmap);

    void draw(DrawContext& context) override;
    // value / maximum within 0..1; 0 for a maximum of 0 or less.
    virtual float getFraction() const;

    int getDigitCount() const { return digitCount; }
    // The digit shown at a position, the most significant first.
    int digitAt(int position) const;

private:
    BitmapReference bitmap;
    int digitCount;
    std::array<Point, kMaxDigits> positions{};
    int digitWidth;
    int digitHeight;
};

// Style bit of the level meter: it grows from the left instead of from the bottom.
inline constexpr int kMeterHorizontal = 1;

// A row or column of lights: the on picture where the value reaches, the off
// picture beyond, in whole lights. Falling values fall by at most the fall
// step at each redraw, so the owner may set levels as they come.
class LevelMeter : public Control {
public:
    LevelMeter(const Rect& size, Bitmap* onBitmap, Bitmap* offBitmap, int ledCount, int style);

    // Nothing without an on picture. Keeps the value within minimum..maximum
    // and no lower than the fall allows.
    void draw(DrawContext& context) override;
    virtual void setFallStep(float step) { fallStep = step; }

    const Rect& getOnRect() const { return onRect; }

private:
    // The lit part as a fraction of the lights, in whole lights; no lights, none lit.
    float litFraction(float amount) const;

    BitmapReference onBitmap;
    BitmapReference offBitmap;
    int ledCount;
    int style;
    float fallStep = 1.0f;
    Rect onRect;
    Rect offRect;
};

} // namespace tarvolin
