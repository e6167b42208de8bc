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
    // The first pass uses the click position itself.
    do {
        setValue(valueAt(where));
        if (differsFromDrawn()) {
            notifyListener(context);
        }
        where = context.getMouseLocation();
        trackingIdle();
    } while (context.getMouseButtons() != 0);
}

} // namespace tarvolin
