#include "gui/SplashView.h"

#include "gui/Bitmap.h"
#include "gui/Frame.h"

namespace tarvolin {

SplashView::SplashView(const Rect& size, ControlListener* listener, int tag, Bitmap* bitmap,
                       const Rect& displayRect, Point bitmapOffset)
    : Control(size, listener, tag), displayRect(displayRect), bitmap(bitmap),
      bitmapOffset(bitmapOffset) {
    if (bitmap != nullptr) {
        bitmap->remember();
    }
}

SplashView::~SplashView() {
    if (bitmap != nullptr) {
        bitmap->forget();
    }
}

void SplashView::draw(DrawContext& context) {
    if (getValue() != 0.0f && bitmap != nullptr) {
        bitmap->draw(context, displayRect, bitmapOffset);
    }
}

bool SplashView::isShowing() const {
    const Frame* frame = getParentFrame();
    return frame != nullptr && frame->getModalView() == this;
}

void SplashView::mouseDown(DrawContext& context, Point& /*where*/) {
    Frame* frame = getParentFrame();
    if (!getMouseEnabled() || frame == nullptr) {
        return;
    }
    // Whether it is open is the frame's modal state, not the value: a value
    // set from outside must not make a click restore a rectangle never saved.
    if (isShowing()) {
        hide(context, *frame);
    } else {
        show(context, *frame);
    }
}

void SplashView::show(DrawContext& context, Frame& frame) {
    // Without its picture the overlay would hide nothing and yet take every
    // click; when the frame refuses, it stays closed.
    if (bitmap == nullptr || bitmap->getWidth() == 0 || !frame.setModalView(this)) {
        setValue(0.0f);
        return;
    }
    setValue(1.0f);
    savedRect = size;
    size = displayRect;
    draw(context);
    notifyListener(context);
}

void SplashView::hide(DrawContext& context, Frame& frame) {
    setValue(0.0f);
    size = savedRect;
    frame.setModalView(nullptr);
    frame.draw(context);
    notifyListener(context);
}

} // namespace tarvolin
