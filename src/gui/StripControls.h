#pragma once

#include "gui/BitmapReference.h"
#include "gui/Control.h"

namespace tarvolin {

// Controls that show one picture of a strip: pictures of one height stacked
// top to bottom, read from an offset.

// A display of value 0..1 as the nearest of its pictures, 0 for values up
// to 0 and NaN, the last for 1 and above.
class StripIndicator : public Control {
public:
    StripIndicator(const Rect& size, ControlListener* listener, int tag, int imageCount,
                   int imageHeight, Bitmap* bitmap, Point offset);

    // Values above 1 are kept as 1.
    void draw(DrawContext& context) override;
    int shownPicture() const;

private:
    BitmapReference bitmap;
    Point offset;
    int imageCount;
    int imageHeight;
};

// A strip shown picture by picture while open; the value is the row of the
// strip shown, moved a picture at a time by nextFrame and previousFrame,
// which run round from the last picture to the first and back. A click
// opens it at the first picture and the next click closes it.
class StripAnimation : public Control {
public:
    StripAnimation(const Rect& size, ControlListener* listener, int tag, int imageCount,
                   int imageHeight, Bitmap* bitmap, Point offset);

    // Nothing while closed.
    void draw(DrawContext& context) override;
    // Opening tells the listener and draws on the next refresh; closing draws
    // the first picture at once and tells nobody.
    void mouseDown(DrawContext& context, Point& where) override;

    virtual void openStrip() { opened = true; }
    virtual void closeStrip() { opened = false; }
    virtual void nextFrame();
    virtual void previousFrame();

    bool isOpen() const { return opened; }
    int getImageCount() const { return imageCount; }
    // The row of the strip where its last picture starts.
    int lastPictureRow() const;

private:
    BitmapReference bitmap;
    Point offset;
    int imageCount;
    int imageHeight;
    bool opened = false;
    int totalHeight;
};

} // namespace tarvolin
