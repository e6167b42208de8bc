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

void Control::click(DrawContext& context, Point& where) {
    ControlListener* const told = mouseEnabled ? listener : nullptr;
    if (told == nullptr) {
        mouseDown(context, where);
        return;
    }
    const FrameWatch watch(getParentFrame());
    told->controlBeganEdit(*this);
    if (watch.frameGone()) {
        return;
    }
    mouseDown(context, where);
    if (!watch.frameGone()) {
        told->controlEndedEdit(*this);
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
    followMouse(
        context, where, 0, [this](Point at, int) { return valueAt(at); },
        [](int buttons) { return buttons != 0; });
}

bool Control::followPress(DrawContext& context, Point& where,
                          const std::function<float(Point)>& valueFor, float whenReleased) {
    if (context.getMouseButtons() == 0) {
        const FrameWatch watch(getParentFrame());
        setValue(whenReleased);
        notifyListener(context);
        return !watch.frameGone();
    }
    return followMouse(
        context, where, 0, [&valueFor](Point at, int) { return valueFor(at); },
        [](int buttons) { return buttons != 0; });
}

bool Control::followMouse(DrawContext& context, Point& where, int buttons,
                          const std::function<float(Point, int)>& valueFor,
                          const std::function<bool(int)>& holds) {
    const FrameWatch watch(getParentFrame());
    do {
        setValue(valueFor(where, buttons));
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
        buttons = context.getMouseButtons();
    } while (holds(buttons));
    return true;
}

} // namespace tarvolin
