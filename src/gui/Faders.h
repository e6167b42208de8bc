#pragma once

#include "gui/BitmapReference.h"
#include "gui/Control.h"

namespace tarvolin {

// Style bits of the faders. The near end is the top of a vertical fader and
// the left of a horizontal one. With the near-end bit the handle shows the
// value 0 at the near end, without it at the far end; with the far-end bit
// the mouse sets the value 0 at the far end, without it at the near end. A
// style needs exactly one of the two for the handle to follow the mouse.
enum FaderStyle : int {
    kHorizontalNearEnd = 8,
    kHorizontalFarEnd = 0x10,
    kVerticalNearEnd = 0x20,
    kVerticalFarEnd = 0x40,
};

// A handle that slides along a travel over a background picture. The handle
// is grabbed where it is clicked (clicks beside it are ignored) and follows
// the mouse with the left button, a tenth as fast while Shift is held; Alt
// with the left button sets the default value. The travel runs from
// travelStart to travelEnd (frame coordinates of the handle's leading edge);
// the handle is drawn from the control's edge plus the handle offset.
class Fader : public Control {
public:
    void draw(DrawContext& context) override;
    void mouseDown(DrawContext& context, Point& where) override;

    // White pixels of the handle show the background (the default).
    virtual void setTransparentHandle(bool transparent) { transparentHandle = transparent; }
    virtual void setHandleOffset(Point offset) { handleOffset = offset; }

    // The handle's leading edge as last drawn, in frame coordinates.
    int getHandlePosition() const { return handlePos; }

protected:
    enum class Axis { Vertical, Horizontal };

    Fader(Axis axis, const Rect& size, ControlListener* listener, int tag, int travelStart,
          int travelEnd, Bitmap* handle, Bitmap* background, Point backgroundOffset, int style);

private:
    // Along the travel and across it, for this fader's axis.
    int along(Point point) const { return axis == Axis::Vertical ? point.v : point.h; }
    int across(Point point) const { return axis == Axis::Vertical ? point.h : point.v; }
    int handleLength() const { return axis == Axis::Vertical ? handleHeight : handleWidth; }
    int controlStart() const { return axis == Axis::Vertical ? size.top : size.left; }
    bool nearEndShowsZero() const;
    bool farEndSetsZero() const;
    Rect handleRect() const;
    bool hitsHandle(Point where) const;
    void track(DrawContext& context, Point& where, int buttons);

    Axis axis;
    BitmapReference handle;
    BitmapReference background;
    int handleWidth;
    int handleHeight;
    Point backgroundOffset;
    Point handleOffset;
    int travelStart;
    int travelEnd;
    int style;
    int handlePos;
    bool transparentHandle = true;
    int localTravelStart;
    int localTravelEnd;
};

class VerticalFader : public Fader {
public:
    VerticalFader(const Rect& size, ControlListener* listener, int tag, int travelStart,
                  int travelEnd, Bitmap* handle, Bitmap* background, Point backgroundOffset,
                  int style);
};

class HorizontalFader : public Fader {
public:
    HorizontalFader(const Rect& size, ControlListener* listener, int tag, int travelStart,
                    int travelEnd, Bitmap* handle, Bitmap* background, Point backgroundOffset,
                    int style);
};

} // namespace tarvolin
