#pragma once

namespace tarvolin {

class Control;
class DrawContext;

// Told when the user changed a control with the mouse; reads value and tag from the control.
class ControlListener {
public:
    virtual void controlChanged(DrawContext& context, Control& control) = 0;
    // Every click on a control is one edit, however many changes its drag
    // makes; the end is not told when the frame went away during the click.
    virtual void controlBeganEdit(Control& /*control*/) {}
    virtual void controlEndedEdit(Control& /*control*/) {}

protected:
    ~ControlListener() = default;
};

} // namespace tarvolin
