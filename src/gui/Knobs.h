#pragma once

#include "gui/Control.h"

namespace tarvolin {

class Bitmap;

// A knob that follows the angle of the mouse around its centre: 270 degrees
// from the minimum at the lower left, through the middle of the range straight
// up, to the maximum at the lower right, with a 90-degree gap at the bottom.
// It jumps to the value under the mouse, on the first click too. The knob's
// coordinates are measured from (left - margin, top - margin); its centre lies
// radius + margin from there in both directions.
class RotaryKnob : public Control {
public:
    // The handle is drawn on the arc over the background; either may be absent.
    RotaryKnob(const Rect& size, ControlListener* listener, int tag, Bitmap* background,
               Bitmap* handle, Point backgroundOffset);
    ~RotaryKnob() override;

    void draw(DrawContext& context) override;
    void mouseDown(DrawContext& context, Point& where) override;

    // Where the handle's top-left corner goes for the current value, in knob coordinates.
    virtual void handlePointForValue(Point& point) const;
    // The value for a mouse position in knob coordinates; only the angle counts.
    virtual float valueForPoint(Point point) const;
    virtual void setBackground(Bitmap* bitmap);
    virtual Bitmap* getBackground() const { return background; }

    Bitmap* getHandle() const { return handle; }
    int getMargin() const { return margin; }
    // Half the width inside the margins; may end in .5.
    float radius() const;

protected:
    float valueAt(Point where) const override;

    int margin;

private:
    Bitmap* background;
    Bitmap* handle;
    Point backgroundOffset;
};

// A knob drawn as one frame of a film strip: frames of equal height stacked
// top to bottom, frame i showing the value i / (frameCount - 1). It turns as
// a RotaryKnob does, around a centre half its width below its top edge.
class StripKnob : public RotaryKnob {
public:
    StripKnob(const Rect& size, ControlListener* listener, int tag, int frameCount, int frameHeight,
              Bitmap* strip, Point backgroundOffset);

    // Copies the frame the value selects, one rectangle's worth of rows.
    void draw(DrawContext& context) override;
    // The top row of that frame in the strip: frame floor((frameCount - 1) * value)
    // computed in single precision, the first for NaN and values up to 0, the
    // last for values of 1 and more.
    int frameTop() const;

private:
    // Rows of the rectangle below the end of the strip show the frame's
    // background rather than whatever was drawn there before.
    void fillBelowStrip(DrawContext& context, int stripRows) const;

    int frameCount;
    int frameHeight;
};

} // namespace tarvolin
