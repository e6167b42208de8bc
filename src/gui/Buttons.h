#pragma once

#include "gui/BitmapReference.h"
#include "gui/Control.h"

namespace tarvolin {

// What the buttons below share: pictures of one height stacked top to
// bottom, read from an offset, and a press they follow until the buttons and
// keys are released.
class PictureButton : public Control {
public:
    PictureButton(const Rect& size, ControlListener* listener, int tag, int imageHeight,
                  Bitmap* bitmap, Point offset);

protected:
    // The press of the latching buttons: while held inside the control the
    // value is the other state (1 for 0, 0 for anything else), outside it the
    // value before the press. False when the frame went away meanwhile.
    bool followToggle(DrawContext& context, Point& where);

    BitmapReference bitmap;
    Point offset;
    int imageHeight;
};

// Springs back to rest: -1 while the left half is held, +1 while the right
// half is, 0 at rest. Pictures: left pressed, rest, right pressed.
class SpringRocker : public PictureButton {
public:
    using PictureButton::PictureButton;

    void draw(DrawContext& context) override;
    // The listener hears of every change while held, and of the rest at the end.
    void mouseDown(DrawContext& context, Point& where) override;

private:
    float valueFor(Point mouse, float beforeClick) const;
};

// Toggles between 0 and 1 when released inside, stays when released outside.
// Pictures: off, on; read from the picture's left edge, whatever the offset.
class LatchButton : public PictureButton {
public:
    using PictureButton::PictureButton;

    // Values beyond 0..1 are limited and kept so; NaN counts as 0.
    void draw(DrawContext& context) override;
    void mouseDown(DrawContext& context, Point& where) override;

    float getButtonState() const { return buttonState; }

private:
    float buttonState = 0.0f;
};

// 1 while held inside, 0 outside and once released. Pictures: off, on.
class MomentaryButton : public PictureButton {
public:
    using PictureButton::PictureButton;

    void draw(DrawContext& context) override;
    // The listener hears 1 as the press goes in and 0 at the release.
    void mouseDown(DrawContext& context, Point& where) override;
};

} // namespace tarvolin
