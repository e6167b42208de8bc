#pragma once

namespace tarvolin {

class Control;
class DrawContext;

// Told when the user changed a control with the mouse; reads value and tag from the control.
class ControlListener {
public:
    virtual void controlChanged(DrawContext& context, Control& control) = 0;

protected:
    ~ControlListener() = default;
};

} // namespace tarvolin
