#pragma once

#include "gui/Control.h"

namespace tarvolin {

class Bitmap;

// A clickable area that opens a picture over the frame and closes it again.
// While open, the view covers the picture's rectangle and is the frame's
// modal view, so it alone receives clicks (only those on the picture) and
// refreshes; a click on the picture closes it and the whole frame is drawn
// again. Its value is 1 while open and 0 while closed.
class SplashView : public Control {
public:
    SplashView(const Rect& size, ControlListener* listener, int tag, Bitmap* bitmap,
               const Rect& displayRect, Point bitmapOffset);
    ~SplashView() override;

    // Shows the picture while the value is not 0; closed, it draws nothing, so
    // what lies behind shows through.
    void draw(DrawContext& context) override;
    void mouseDown(DrawContext& context, Point& where) override;

    bool isShowing() const;
    const Rect& getDisplayRect() const { return displayRect; }

private:
    void show(DrawContext& context, Frame& frame);
    void hide(DrawContext& context, Frame& frame);

    Rect displayRect;
    Rect savedRect;
    Bitmap* bitmap;
    Point bitmapOffset;
};

} // namespace tarvolin
