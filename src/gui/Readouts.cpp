#include "gui/Readouts.h"

#include "gui/PixelMath.h"

#include <algorithm>
#include <cmath>

namespace tarvolin {

namespace {

constexpr int kDigitPictures = 10;

// The largest number of digitCount digits.
int largestOf(int digitCount) {
    int largest = 1;
    for (int i = 0; i < digitCount; ++i) {
        largest *= 10;
    }
    return largest - 1;
}

} // namespace

DigitDisplay::DigitDisplay(const Rect& size, ControlListener* listener, int tag, int value,
                           int digitCount, std::span<const int> xPositions,
                           std::span<const int> yPositions, int digitWidth, int digitHeight,
                           Bitmap* bitmap)
    : Control(size, listener, tag), bitmap(bitmap),
      digitCount(std::clamp(std::min({digitCount, static_cast<int>(xPositions.size()),
                                      static_cast<int>(yPositions.size())}),
                            0, kMaxDigits)),
      digitWidth(digitWidth), digitHeight(digitHeight) {
    for (int i = 0; i < this->digitCount; ++i) {
        positions[static_cast<std::size_t>(i)] = {xPositions[static_cast<std::size_t>(i)],
                                                  yPositions[static_cast<std::size_t>(i)]};
    }
    setValue(static_cast<float>(value));
    setMin(0.0f);
    setMax(static_cast<float>(largestOf(this->digitCount)));
}

int DigitDisplay::digitAt(int position) const {
    // Every bound a host could set is held to what seven digits can show.
    const float top = static_cast<float>(largestOf(kMaxDigits));
    const int maximum = truncatedPixels(withinRange(getMax(), 0.0f, top));
    const int minimum = std::min(truncatedPixels(withinRange(getMin(), 0.0f, top)), maximum);
    int number = std::clamp(truncatedPixels(withinRange(getValue(), -top, top)), minimum, maximum);
    int divisor = (maximum + 1) / 10;
    for (int i = 0; i < position && divisor > 0; ++i) {
        number -= number / divisor * divisor;
        divisor /= 10;
    }
    // A maximum of 0, or one with fewer digits than places, leaves zeros.
    if (divisor <= 0) {
        return 0;
    }
    return std::min(number / divisor, kDigitPictures - 1);
}

void DigitDisplay::draw(DrawContext& context) {
    if (bitmap) {
        for (int i = 0; i < digitCount; ++i) {
            const Point corner = positions[static_cast<std::size_t>(i)];
            bitmap->draw(context,
                         {corner.h, corner.v, corner.h + digitWidth, corner.v + digitHeight},
                         {0, digitAt(i) * digitHeight});
        }
    }
    markDrawn();
}

float DigitDisplay::getFraction() const {
    const float maximum = getMax();
    if (!(maximum > 0.0f)) {
        return 0.0f;
    }
    return unitInterval(getValue() / maximum);
}

LevelMeter::LevelMeter(const Rect& size, Bitmap* onBitmap, Bitmap* offBitmap, int ledCount,
                       int style)
    : Control(size, nullptr, 0), onBitmap(onBitmap), offBitmap(offBitmap), ledCount(ledCount),
      style(style), onRect(Rect::fromCorners(size.topLeft(), {size.right, size.bottom})),
      offRect(onRect) {}

float LevelMeter::litFraction(float amount) const {
    if (ledCount < 1) {
        return 0.0f;
    }
    const auto lights = static_cast<float>(ledCount);
    const int whole = truncatedPixels(lights * amount + 0.5f);
    return unitInterval(static_cast<float>(whole) / lights);
}

void LevelMeter::draw(DrawContext& context) {
    if (!onBitmap) {
        return;
    }
    const float minimum = getMin();
    const float maximum = getMax();
    float value = withinRange(getValue(), minimum, std::fmax(minimum, maximum));
    // Down by at most the fall step since the last drawing.
    const float floor = std::fmax(getDrawnValue() - fallStep, minimum);
    if (value < floor) {
        value = floor;
    }
    setValue(value);
    markDrawn();
    const Rect area = Rect::fromCorners(size.topLeft(), {size.right, size.bottom});
    if ((style & kMeterHorizontal) != 0) {
        const int lit = truncatedPixels(static_cast<float>(onBitmap.width()) * litFraction(value));
        onRect.right = area.left + lit;
        offRect.left = area.left + lit;
        if (offBitmap) {
            offBitmap->draw(context, offRect, {lit, 0});
        }
        onBitmap->draw(context, onRect, {0, 0});
        return;
    }
    const int unlit =
        truncatedPixels(static_cast<float>(onBitmap.height()) * litFraction(maximum - value));
    offRect.bottom = area.top + unlit;
    onRect.top = area.top + unlit;
    if (offBitmap) {
        offBitmap->draw(context, offRect, {0, 0});
    }
    onBitmap->draw(context, onRect, {0, unlit});
}

} // namespace tarvolin
