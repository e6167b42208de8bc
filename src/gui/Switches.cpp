#include "gui/Switches.h"

#include "gui/Bitmap.h"

#include <cmath>

namespace tarvolin {

namespace {

void holdBitmap(Bitmap* bitmap) {
    if (bitmap != nullptr) {
        bitmap->remember();
    }
}

void releaseBitmap(Bitmap* bitmap) {
    if (bitmap != nullptr) {
        bitmap->forget();
    }
}

// Truncation toward zero without converting to an integer, which NaN and
// values beyond the integers would make undefined.
bool truncatesToZero(float value) {
    return std::isnan(value) || std::fabs(value) < 1.0f;
}

} // namespace

ToggleButton::ToggleButton(const Rect& size, ControlListener* listener, int tag, Bitmap* bitmap)
    : Control(size, listener, tag), bitmap(bitmap) {
    holdBitmap(bitmap);
}

ToggleButton::~ToggleButton() {
    releaseBitmap(bitmap);
}

void ToggleButton::draw(DrawContext& context) {
    if (bitmap != nullptr) {
        const float value = getValue();
        const bool on = value != 0.0f && !std::isnan(value);
        bitmap->draw(context, size, {0, on ? bitmap->getHeight() / 2 : 0});
    }
    markDrawn();
}

void ToggleButton::mouseDown(DrawContext& context, Point& /*where*/) {
    if (!getMouseEnabled()) {
        return;
    }
    setValue(truncatesToZero(getValue()) ? 1.0f : 0.0f);
    draw(context);
    notifyListener(context);
}

Selector::Selector(const Rect& size, ControlListener* listener, int tag, int imageCount,
                   int imageHeight, int positionCount, Bitmap* bitmap, Point backgroundOffset)
    : Control(size, listener, tag), bitmap(bitmap), backgroundOffset(backgroundOffset),
      imageCount(imageCount), imageHeight(imageHeight), positionCount(positionCount) {
    setDefaultValue(0.0f);
    holdBitmap(bitmap);
}

Selector::~Selector() {
    releaseBitmap(bitmap);
}

int Selector::shownPicture() const {
    const float value = getValue();
    if (std::isnan(value) || positionCount < 2) {
        return 0;
    }
    const double step = 1.0 / (positionCount - 1);
    for (int i = 1; i < positionCount; ++i) {
        if (i * step > value) {
            return i - 1;
        }
    }
    return positionCount - 1;
}

void Selector::draw(DrawContext& context) {
    if (bitmap != nullptr) {
        bitmap->draw(context, size, {0, shownPicture() * imageHeight});
    }
    markDrawn();
}

void Selector::mouseDown(DrawContext& context, Point& where) {
    trackMouse(context, where);
}

float Selector::valueForDistance(int distance, double zone, bool boundaryEndsPosition) const {
    // With fewer than two positions no position has a value of its own.
    if (positionCount < 2) {
        return getValue();
    }
    int position = positionCount - 1;
    for (int i = 1; i < positionCount; ++i) {
        const int boundary = static_cast<int>(i * zone);
        if (distance < boundary || (boundaryEndsPosition && distance == boundary)) {
            position = i - 1;
            break;
        }
    }
    if (position == positionCount - 1) {
        return 1.0f;
    }
    return static_cast<float>(position) / static_cast<float>(positionCount - 1);
}

float VerticalSelector::valueAt(Point where) const {
    const double zone = static_cast<double>(getImageHeight()) / getPositionCount();
    return valueForDistance(where.v - size.top, zone, false);
}

float HorizontalSelector::valueAt(Point where) const {
    const int width = getBitmap() != nullptr ? getBitmap()->getWidth() : 0;
    const double zone = static_cast<double>(width) / getPositionCount();
    return valueForDistance(where.h - size.left, zone, true);
}

} // namespace tarvolin
