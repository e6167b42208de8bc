#include "gui/Knobs.h"

#include "gui/Bitmap.h"
#include "gui/Frame.h"

#include <algorithm>
#include <cmath>

namespace tarvolin {

namespace {

// The arithmetic is single precision throughout, with these constants as
// written: in double precision the answers at the boundaries differ (the point
// straight below the centre, for one, falls on the minimum instead of the maximum).
constexpr float kHalfPi = 1.5707964f;
constexpr float kPi = 3.1415927f;
constexpr float kTwoPi = 6.2831855f;
constexpr float kArcAngle = 4.712389f;      // 3 pi / 2
constexpr float kMinimumAngle = 3.9269907f; // 5 pi / 4, the lower left
constexpr float kRangePerTurn = 1.3333334f; // the arc is three quarters of a turn
constexpr float kCentreTolerance = 1e-12f;
// Turns from the right, counter-clockwise: where the arc ends and the gap is split.
constexpr float kGapStart = 0.625f;
constexpr float kGapMiddle = 0.75f;
constexpr float kGapEnd = 0.875f;
constexpr int kMarginWithoutHandle = 5;

} // namespace

RotaryKnob::RotaryKnob(const Rect& size, ControlListener* listener, int tag, Bitmap* background,
                       Bitmap* handle, Point backgroundOffset)
    : Control(size, listener, tag),
      margin(handle != nullptr ? handle->getWidth() / 2 : kMarginWithoutHandle),
      background(background), handle(handle), backgroundOffset(backgroundOffset) {
    if (background != nullptr) {
        background->remember();
    }
    if (handle != nullptr) {
        handle->remember();
    }
}

RotaryKnob::~RotaryKnob() {
    if (handle != nullptr) {
        handle->forget();
    }
    if (background != nullptr) {
        background->forget();
    }
}

void RotaryKnob::setBackground(Bitmap* bitmap) {
    if (background != nullptr) {
        background->forget();
    }
    background = bitmap;
    if (background != nullptr) {
        background->remember();
    }
}

float RotaryKnob::radius() const {
    return static_cast<float>(size.width() - 2 * margin) / 2.0f;
}

void RotaryKnob::handlePointForValue(Point& point) const {
    const float minimum = getMin();
    const float range = getMax() - minimum;
    float value = getValue();
    // A value beyond the range, NaN or an empty range would turn the handle
    // off the arc or into a conversion of NaN; it stays at the nearer end.
    value = value > minimum ? (value < getMax() ? value : getMax()) : minimum;
    const float alpha =
        range > 0.0f ? (value - minimum) * (kArcAngle / range) + kMinimumAngle : kMinimumAngle;
    const float r = radius();
    point.h = static_cast<int>(r + r * std::sin(alpha)) + margin;
    point.v = static_cast<int>(r - r * std::cos(alpha)) + margin;
}

float RotaryKnob::valueForPoint(Point point) const {
    const float minimum = getMin();
    const float maximum = getMax();
    const float range = maximum - minimum;
    const float r = radius();
    const float x = static_cast<float>(point.h - margin) - r;
    const float y = r - static_cast<float>(point.v - margin); // upwards
    float angle = kHalfPi;
    if (!(std::fabs(x) < kCentreTolerance && std::fabs(y) < kCentreTolerance)) {
        // The direction of (x, y) in 0..2 pi; y = 0 gives 0 to the right and pi to the left.
        angle = kHalfPi - std::atan(x / y);
        if (y < 0.0f) {
            angle += kPi;
        }
    }
    const float turns = angle / kTwoPi;
    if (turns > kGapStart && turns < kGapEnd) {
        return turns >= kGapMiddle ? maximum : minimum;
    }
    // Turns counter-clockwise from the maximum's end of the arc.
    const float fromMaximum = turns >= kGapEnd ? turns - kGapEnd : turns + (1.0f - kGapEnd);
    float result = minimum + (range - fromMaximum * kRangePerTurn * range);
    if (result > maximum) {
        result = maximum;
    }
    if (result < minimum) {
        result = minimum;
    }
    return result;
}

float RotaryKnob::valueAt(Point where) const {
    return valueForPoint({where.h - (size.left - margin), where.v - (size.top - margin)});
}

void RotaryKnob::mouseDown(DrawContext& context, Point& where) {
    trackMouse(context, where);
}

void RotaryKnob::draw(DrawContext& context) {
    if (background != nullptr) {
        background->draw(context, size, backgroundOffset);
    }
    if (handle != nullptr) {
        Point corner;
        handlePointForValue(corner);
        corner.h += size.left - margin;
        corner.v += size.top - margin;
        handle->drawTransparent(context, {corner.h, corner.v, corner.h + handle->getWidth(),
                                          corner.v + handle->getHeight()});
    }
    markDrawn();
}

StripKnob::StripKnob(const Rect& size, ControlListener* listener, int tag, int frameCount,
                     int frameHeight, Bitmap* strip, Point backgroundOffset)
    : RotaryKnob(size, listener, tag, nullptr, strip, backgroundOffset), frameCount(frameCount),
      frameHeight(frameHeight) {
    margin = 0;
}

int StripKnob::frameTop() const {
    const float value = getValue();
    if (!(value > 0.0f) || frameCount < 2 || frameHeight <= 0) {
        return 0;
    }
    const int last = (frameCount - 1) * frameHeight;
    if (value >= 1.0f) {
        return last;
    }
    // Truncated, then down to the top of the frame that row belongs to.
    const int row = static_cast<int>(static_cast<float>(last) * value);
    return row - row % frameHeight;
}

void StripKnob::draw(DrawContext& context) {
    if (Bitmap* strip = getHandle()) {
        const int top = frameTop();
        strip->draw(context, size, {0, top});
        fillBelowStrip(context, strip->getHeight() - top);
    }
    markDrawn();
}

void StripKnob::fillBelowStrip(DrawContext& context, int stripRows) const {
    const Frame* frame = getParentFrame();
    Bitmap* background = frame != nullptr ? frame->getBackground() : nullptr;
    if (background == nullptr || stripRows >= size.height()) {
        return;
    }
    const Rect missing{size.left, size.top + std::max(stripRows, 0), size.right, size.bottom};
    // The background lies at the frame's origin, so it is read where it is shown.
    background->draw(context, missing, missing.topLeft());
}

} // namespace tarvolin
