#include "gui/StripControls.h"

#include "gui/PixelMath.h"

#include <algorithm>

namespace tarvolin {

StripIndicator::StripIndicator(const Rect& size, ControlListener* listener, int tag, int imageCount,
                               int imageHeight, Bitmap* bitmap, Point offset)
    : Control(size, listener, tag), bitmap(bitmap), offset(offset), imageCount(imageCount),
      imageHeight(imageHeight) {}

int StripIndicator::shownPicture() const {
    const float value = getValue();
    if (!(value > 0.0f) || imageCount < 2) {
        return 0;
    }
    // Rounded to the nearest picture.
    return truncatedPixels(static_cast<float>(imageCount - 1) * std::min(value, 1.0f) + 0.5f);
}

void StripIndicator::draw(DrawContext& context) {
    if (getValue() > 1.0f) {
        setValue(1.0f);
    }
    if (bitmap) {
        bitmap->draw(context, size, {offset.h, offset.v + shownPicture() * imageHeight});
    }
    markDrawn();
}

StripAnimation::StripAnimation(const Rect& size, ControlListener* listener, int tag, int imageCount,
                               int imageHeight, Bitmap* bitmap, Point offset)
    : Control(size, listener, tag), bitmap(bitmap), offset(offset), imageCount(imageCount),
      imageHeight(imageHeight), totalHeight(imageCount * imageHeight) {}

int StripAnimation::lastPictureRow() const {
    return std::max(totalHeight - imageHeight, 0);
}

void StripAnimation::draw(DrawContext& context) {
    if (opened && bitmap) {
        bitmap->draw(context, size, {offset.h, truncatedPixels(getValue()) + offset.v});
    }
    markDrawn();
}

void StripAnimation::mouseDown(DrawContext& context, Point& /*where*/) {
    if (!getMouseEnabled()) {
        return;
    }
    setValue(0.0f);
    if (!opened) {
        openStrip();
        setDrawnValue(-1.0f);
        notifyListener(context);
        return;
    }
    draw(context);
    closeStrip();
}

void StripAnimation::nextFrame() {
    const float next = getValue() + static_cast<float>(imageHeight);
    // Past the last picture, and from NaN, to the first.
    setValue(next <= static_cast<float>(lastPictureRow()) ? next : 0.0f);
}

void StripAnimation::previousFrame() {
    const float previous = getValue() - static_cast<float>(imageHeight);
    // Before the first picture, and from NaN, to the last.
    setValue(previous >= 0.0f ? previous : static_cast<float>(lastPictureRow()));
}

} // namespace tarvolin
