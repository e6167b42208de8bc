#pragma once

#include "gui/Geometry.h"

namespace tarvolin {

class DrawContext;
class Frame;
class OffscreenContext;

// A rectangle of the editor window that draws itself, takes clicks and
// refreshes itself on idle passes. There is no invalidation: each view decides
// in refresh whether it changed.
class View {
public:
    explicit View(const Rect& size) : size(size) {}
    virtual ~View() = default;
    View(const View&) = delete;
    View& operator=(const View&) = delete;

    virtual void draw(DrawContext& /*context*/) {}
    // Views that follow a drag poll the mouse themselves until the buttons are released.
    virtual void mouseDown(DrawContext& /*context*/, Point& /*where*/) {}
    // A click the frame routes to the view; controls make it one edit.
    virtual void click(DrawContext& context, Point& where) { mouseDown(context, where); }
    virtual void refresh(DrawContext& /*context*/) {}
    virtual void releaseFocus() {}
    virtual void acquireFocus() {}
    // Keeps the context only when it is large enough for the whole view.
    virtual void attachOffscreen(OffscreenContext* context);

    // Draws the view at once through its frame, outside any paint request.
    void redraw();

    const Rect& getSize() const { return size; }
    Frame* getParentFrame() const { return parentFrame; }
    OffscreenContext* getOffscreen() const { return offscreen; }

protected:
    Rect size;

private:
    friend class Frame;
    Frame* parentFrame = nullptr;
    OffscreenContext* offscreen = nullptr;
};

} // namespace tarvolin
