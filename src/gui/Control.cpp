#include "gui/Control.h"

#include "gui/ControlListener.h"
#include "gui/DrawContext.h"
#include "gui/Frame.h"
#include "gui/FrameEditor.h"
#include "gui/MouseButtons.h"

namespace tarvolin {

namespace {

constexpr int kResetGesture = ButtonLeft | ModifierAlt;

} // namespace

Control::Control(const Rect& size, ControlListener* listener, int tag)
    : View(size), listener(listener), tag(tag) {}

Control::FrameWatch::FrameWatch(const Control& control)
    : watching(control.getParentFrame() != nullptr),
      alive(watching ? control.getParentFrame()->lifetime() : std::weak_ptr<const void>()) {}

void Control::refresh(DrawContext& context) {
    if (differsFromDrawn()) {
        draw(context);
        markDrawn();
    }
}

void Control::trackingIdle() {
    Frame* frame = getParentFrame();
    if (frame != nullptr && frame->getEditor() != nullptr) {
        frame->getEditor()->trackingIdle();
    }
}

float Control::valueAt(Point /*where*/) const {
    return getValue();
}

void Control::notifyListener(DrawContext& context) {
    if (listener != nullptr) {
        listener->controlChanged(context, *this);
    }
}

void Control::trackMouse(DrawContext& context, Point& where) {
    if (!mouseEnabled) {
        return;
    }
    if (context.getMouseButtons() == kResetGesture) {
        setValue(getDefaultValue());
        if (differsFromDrawn()) {
            notifyListener(context);
        }
        return;
    }
    // The listener and the tracking idle both reach the host, which may close
    // the editor meanwhile; then the loop ends without touching anything.
    const FrameWatch watch(*this);
    // The first pass uses the click position itself.
    do {
        setValue(valueAt(where));
        if (differsFromDrawn()) {
            notifyListener(context);
            if (watch.frameGone()) {
                return;
            }
        }
        where = context.getMouseLocation();
        trackingIdle();
        if (watch.frameGone()) {
            return;
        }
    } while (context.getMouseButtons() != 0);
}

bool Control::followPress(DrawContext& context, Point& where,
                          const std::function<float(Point)>& valueFor, float whenReleased) {
    const FrameWatch watch(*this);
    if (context.getMouseButtons() == 0) {
        setValue(whenReleased);
        notifyListener(context);
        return !watch.frameGone();
    }
    do {
        setValue(valueFor(where));
        if (differsFromDrawn()) {
            notifyListener(context);
            if (watch.frameGone()) {
                return false;
            }
        }
        where = context.getMouseLocation();
        trackingIdle();
        if (watch.frameGone()) {
            return false;
        }
    } while (context.getMouseButtons() != 0);
    return true;
}

} // namespace tarvolin
