#pragma once

#include "gui/Control.h"

namespace tarvolin {

class Bitmap;

// An on/off button drawn from a picture whose upper half shows off and lower
// half on. Every press, of either button with any keys held, flips it once.
class ToggleButton : public Control {
public:
    ToggleButton(const Rect& size, ControlListener* listener, int tag, Bitmap* bitmap);
    ~ToggleButton() override;

    // Any value but 0 shows on; NaN shows off.
    void draw(DrawContext& context) override;
    // Values that truncate to 0 (NaN included) become 1, all others 0, so 0.5
    // turns into 1 and 1.7 into 0.
    void mouseDown(DrawContext& context, Point& where) override;

private:
    Bitmap* bitmap;
};

// N positions, drawn from N pictures stacked top to bottom, position k
// standing for the value k / (N - 1). The mouse picks a position from its
// distance to the leading edge and may leave the control while dragging.
class Selector : public Control {
public:
    // The reset gesture selects position 0.
    Selector(const Rect& size, ControlListener* listener, int tag, int imageCount, int imageHeight,
             int positionCount, Bitmap* bitmap, Point backgroundOffset);
    ~Selector() override;

    // Picture floor(value * (N - 1)) kept within 0..N - 1; NaN shows the first.
    void draw(DrawContext& context) override;
    void mouseDown(DrawContext& context, Point& where) override;

    int shownPicture() const;
    int getPositionCount() const { return positionCount; }

protected:
    // The value of the position that a distance along the control selects.
    // Position i - 1 ends at trunc(i * zone); a distance on that boundary
    // belongs to the following position unless boundaryEndsPosition.
    float valueForDistance(int distance, double zone, bool boundaryEndsPosition) const;

    Bitmap* getBitmap() const { return bitmap; }
    int getImageHeight() const { return imageHeight; }
    int getImageCount() const { return imageCount; }

private:
    Bitmap* bitmap;
    // Kept as given: drawing reads from the picture's left edge, and drawing
    // and the mouse go by positionCount (the editor passes the same number).
    Point backgroundOffset;
    int imageCount;
    int imageHeight;
    int positionCount;
};

// Chooses by the mouse's height: zones of image height / N from the top edge.
class VerticalSelector : public Selector {
public:
    using Selector::Selector;

protected:
    float valueAt(Point where) const override;
};

// Chooses by the mouse's horizontal place: zones of bitmap width / N from the
// left edge, a pixel on a boundary belonging to the position before it.
class HorizontalSelector : public Selector {
public:
    using Selector::Selector;

protected:
    float valueAt(Point where) const override;
};

} // namespace tarvolin
