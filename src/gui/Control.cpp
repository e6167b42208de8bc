#include "gui/Control.h"

#include "gui/ControlListener.h"
#include "gui/DrawContext.h"
#include "gui/Frame.h"
#include "gui/FrameEditor.h"
#include "gui/MouseButtons.h"

#include <memory>

namespace tarvolin {

namespace {

constexpr int kResetGesture = ButtonLeft | ModifierAlt;

} // namespace

Control::Control(const Rect& size, ControlListener* listener, int tag)
    : View(size), listener(listener), tag(tag) {}

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
    // the editor meanwhile; then the frame, this control and the context's
    // window are gone and the loop ends without touching them.
    const Frame* frame = getParentFrame();
    const std::weak_ptr<const void> frameAlive =
        frame != nullptr ? frame->lifetime() : std::weak_ptr<const void>();
    const auto frameGone = [frame, &frameAlive] {
        return frame != nullptr && frameAlive.expired();
    };
    // The first pass uses the click position itself.
    do {
        setValue(valueAt(where));
        if (differsFromDrawn()) {
            notifyListener(context);
            if (frameGone()) {
                return;
            }
        }
        where = context.getMouseLocation();
        trackingIdle();
        if (frameGone()) {
            return;
        }
    } while (context.getMouseButtons() != 0);
}

} // namespace tarvolin
