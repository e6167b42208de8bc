#include "gui/Buttons.h"

#include "gui/PixelMath.h"

namespace tarvolin {

PictureButton::PictureButton(const Rect& size, ControlListener* listener, int tag, int imageHeight,
                             Bitmap* bitmap, Point offset)
    : Control(size, listener, tag), bitmap(bitmap), offset(offset), imageHeight(imageHeight) {}

bool PictureButton::followToggle(DrawContext& context, Point& where) {
    const float saved = getValue();
    const float pressed = saved == 0.0f ? 1.0f : 0.0f;
    return followPress(
        context, where,
        [this, saved, pressed](Point mouse) { return mouse.isInside(size) ? pressed : saved; },
        pressed);
}

void SpringRocker::draw(DrawContext& context) {
    if (bitmap) {
        const float value = getValue();
        const int picture = value == 1.0f ? 2 : value == 0.0f ? 1 : 0;
        bitmap->draw(context, size, {offset.h, offset.v + picture * imageHeight});
    }
    markDrawn();
}

float SpringRocker::valueFor(Point mouse, float beforeClick) const {
    const int half = size.width() / 2;
    if (mouse.isInside({size.left, size.top, size.left + half, size.bottom})) {
        return -1.0f;
    }
    if (mouse.isInside({size.left + half, size.top, size.right, size.bottom})) {
        return 1.0f;
    }
    return beforeClick;
}

void SpringRocker::mouseDown(DrawContext& context, Point& where) {
    if (!getMouseEnabled()) {
        return;
    }
    const float beforeClick = getValue();
    const bool leftHalf = where.h <= size.left + size.width() / 2;
    const auto valueAtMouse = [this, beforeClick](Point mouse) {
        return valueFor(mouse, beforeClick);
    };
    if (followPress(context, where, valueAtMouse, leftHalf ? -1.0f : 1.0f)) {
        setValue(0.0f);
        notifyListener(context);
    }
}

void LatchButton::draw(DrawContext& context) {
    const float value = unitInterval(getValue());
    setValue(value);
    if (bitmap) {
        bitmap->draw(context, size, {0, value != 0.0f ? imageHeight : 0});
    }
    buttonState = value;
    markDrawn();
}

void LatchButton::mouseDown(DrawContext& context, Point& where) {
    if (getMouseEnabled() && followToggle(context, where)) {
        buttonState = getValue();
    }
}

void MomentaryButton::draw(DrawContext& context) {
    const float value = unitInterval(getValue());
    setValue(value);
    if (bitmap) {
        bitmap->draw(context, size, {offset.h, offset.v + (value != 0.0f ? imageHeight : 0)});
    }
    markDrawn();
}

void MomentaryButton::mouseDown(DrawContext& context, Point& where) {
    if (getMouseEnabled() && followToggle(context, where)) {
        setValue(0.0f);
        notifyListener(context);
    }
}

} // namespace tarvolin
