#include "gui/Faders.h"

#include "gui/MouseButtons.h"
#include "gui/OffscreenContext.h"
#include "gui/PixelMath.h"

#include <algorithm>

namespace tarvolin {

namespace {

constexpr int kResetGesture = ButtonLeft | ModifierAlt;
constexpr int kFineDrag = ButtonLeft | ModifierShift;
constexpr float kFineSpeed = 10.0f;

bool drags(int buttons) {
    return buttons == ButtonLeft || buttons == kFineDrag;
}

} // namespace

Fader::Fader(Axis axis, const Rect& size, ControlListener* listener, int tag, int travelStart,
             int travelEnd, Bitmap* handle, Bitmap* background, Point backgroundOffset, int style)
    : Control(size, listener, tag), axis(axis), handle(handle), background(background),
      handleWidth(this->handle.width()), handleHeight(this->handle.height()),
      backgroundOffset(backgroundOffset), travelStart(travelStart), travelEnd(travelEnd),
      style(style), handlePos(travelEnd), localTravelStart(travelStart - controlStart()),
      localTravelEnd(travelEnd + handleLength() - controlStart()) {}

VerticalFader::VerticalFader(const Rect& size, ControlListener* listener, int tag, int travelStart,
                             int travelEnd, Bitmap* handle, Bitmap* background,
                             Point backgroundOffset, int style)
    : Fader(Axis::Vertical, size, listener, tag, travelStart, travelEnd, handle, background,
            backgroundOffset, style) {}

HorizontalFader::HorizontalFader(const Rect& size, ControlListener* listener, int tag,
                                 int travelStart, int travelEnd, Bitmap* handle, Bitmap* background,
                                 Point backgroundOffset, int style)
    : Fader(Axis::Horizontal, size, listener, tag, travelStart, travelEnd, handle, background,
            backgroundOffset, style) {}

bool Fader::nearEndShowsZero() const {
    return (style & (axis == Axis::Vertical ? kVerticalNearEnd : kHorizontalNearEnd)) != 0;
}

bool Fader::farEndSetsZero() const {
    return (style & (axis == Axis::Vertical ? kVerticalFarEnd : kHorizontalFarEnd)) != 0;
}

Rect Fader::handleRect() const {
    const float value = unitInterval(getValue());
    const float fromNearEnd = nearEndShowsZero() ? value : 1.0f - value;
    const int range = travelEnd - travelStart;
    // In the control's own coordinates, kept on the travel.
    const int leading =
        std::max(truncatedPixels(fromNearEnd * static_cast<float>(range)) + along(handleOffset),
                 localTravelStart);
    const int trailing = std::min(leading + handleLength(), localTravelEnd);
    const int side = across(handleOffset);
    if (axis == Axis::Vertical) {
        return {side, leading, side + handleWidth, trailing};
    }
    return {leading, side, trailing, side + handleHeight};
}

void Fader::draw(DrawContext& context) {
    const Rect handleArea = handleRect();
    {
        OffscreenContext offscreen(getParentFrame(), size.width(), size.height(), Black);
        if (background) {
            background->draw(offscreen, {0, 0, size.width(), size.height()}, backgroundOffset);
        }
        if (handle) {
            if (transparentHandle) {
                handle->drawTransparent(offscreen, handleArea);
            } else {
                handle->draw(offscreen, handleArea);
            }
        }
        offscreen.copyTo(context, size);
    }
    handlePos = along(handleArea.topLeft()) + controlStart();
    markDrawn();
}

bool Fader::hitsHandle(Point where) const {
    if (axis == Axis::Vertical) {
        return where.isInside(
            {size.left, handlePos, size.left + handleWidth, handlePos + handleHeight});
    }
    return where.isInside({handlePos, size.top, handlePos + handleWidth, size.top + handleHeight});
}

void Fader::mouseDown(DrawContext& context, Point& where) {
    if (!getMouseEnabled()) {
        return;
    }
    const int buttons = context.getMouseButtons();
    if (buttons == kResetGesture) {
        setValue(getDefaultValue());
        if (differsFromDrawn()) {
            notifyListener(context);
        }
        return;
    }
    // A travel of no length has no value for any position.
    if (drags(buttons) && hitsHandle(where) && travelEnd != travelStart) {
        track(context, where, buttons);
    }
}

void Fader::track(DrawContext& context, Point& where, int buttons) {
    const auto range = static_cast<float>(travelEnd - travelStart);
    // Where on the handle it was grabbed.
    const int grip = along(where) - handlePos;
    float reference = getValue();
    int referenceButtons = buttons;
    const auto valueFor = [&](Point at, int held) {
        // Fine movement starts from where the handle is each time Shift goes
        // down, the second time as much as the first.
        if (held != referenceButtons) {
            if ((held & ModifierShift) != 0) {
                reference = getValue();
            }
            referenceButtons = held;
        }
        float value = static_cast<float>(along(at) - travelStart - grip) / range;
        if (farEndSetsZero()) {
            value = 1.0f - value;
        }
        if ((held & ModifierShift) != 0) {
            value = reference + (value - reference) / kFineSpeed;
        }
        return unitInterval(value);
    };
    followMouse(context, where, buttons, valueFor, [](int held) { return drags(held); });
}

} // namespace tarvolin
