#pragma once

#include "gui/DrawContext.h"
#include "gui/FrameEditor.h"
#include "gui/View.h"
#include "gui/platform/Window.h"

#include <memory>

namespace tarvolin {

class Bitmap;

// The view that owns all others and the child window they live in. It draws
// the background and the views on every paint request, routes each click to
// the topmost view under it, and runs the idle refresh pass.
class Frame : public View, private platform::WindowClient {
public:
    // Embedded in the host's window, as the editor opens it, its window
    // scale (1 or 2) device pixels to each of size's logical ones.
    Frame(const Rect& size, void* parentWindow, FrameEditor* editor, int scale = 1);
    // In a window the host opens on request through the editor; call open to show it.
    Frame(const Rect& size, const char* title, FrameEditor* editor, int style);
    ~Frame() override;

    void draw(DrawContext& context) override;
    void mouseDown(DrawContext& context, Point& where) override;
    void refresh(DrawContext& context) override;

    // The frame owns what it holds; false when the list cannot grow, and then
    // the view stays the caller's.
    virtual bool addView(View* view);
    // Takes the view out of the list without destroying or telling it;
    // false for a view the frame does not hold.
    virtual bool removeView(View* view);
    bool containsView(const View* view) const;
    int getViewCount() const { return viewCount; }
    // The views in the order they were added; null outside 0..count - 1.
    View* getView(int index) const;

    // Refused while another modal view is set; null clears it.
    bool setModalView(View* view);
    View* getModalView() const { return modalView; }
    void setFocusView(View* view) { focusView = view; }
    View* getFocusView() const { return focusView; }
    void setBackground(Bitmap* bitmap);
    Bitmap* getBackground() const { return background; }

    // Draws the view, or the whole frame for null or a view not in the list,
    // at once on the window's surface.
    void drawView(View* view);
    // Lets the window handle its pending input, then the refresh pass;
    // nothing of the pass before the first paint or after the window is gone.
    void idle();
    // Runs pass with a drawing context on the window's surface, outside any
    // paint request; nothing when the window is gone.
    template <typename Pass> void withWindowContext(Pass&& pass);
    // The same, or with a context that draws nothing when the window gives no
    // surface: for work that must be done whether or not it can be seen.
    template <typename Pass> void withAnyContext(Pass&& pass);

    // Own-window mode: asks the host for its window, optionally at a new place,
    // or brings it to the front when it is open already.
    bool open(const Point* position = nullptr);

    FrameEditor* getEditor() const { return editor; }
    void* getParentWindow() const { return parentWindow; }
    void* getChildWindow() const;
    platform::Window* getPlatformWindow() const { return childWindow.get(); }
    // Device pixels to a logical one, each way.
    int getScale() const { return scale; }
    bool isOpen() const { return windowOpen; }
    bool isFirstDrawPending() const { return firstDrawPending; }

private:
    friend class FrameWatch;

    void paint(platform::Surface& surface) override;
    void buttonDown(platform::Surface& surface, Point where) override;
    void windowDestroyed() override;
    void idleTimerElapsed() override;

    bool createChildWindow();

    FrameEditor* editor;
    void* parentWindow;
    Bitmap* background = nullptr;
    int viewCount = 0;
    int viewCapacity = 0;
    std::unique_ptr<View*[]> views;
    View* modalView = nullptr;
    View* focusView = nullptr;
    bool firstDrawPending = true;
    bool windowOpen = false;
    int scale = 1;
    std::unique_ptr<platform::Window> childWindow;
    bool ownWindowMode = false;
    WindowRequest windowRequest;
    std::shared_ptr<const int> alive = std::make_shared<const int>(0);
};

// Code that calls out of the toolkit from inside a click (a listener reaching
// the host, a tracking loop letting the host idle, a window handling its
// input) watches the frame across the call: the host may close the editor
// meanwhile, and then nothing of the frame or its views may be touched.
class FrameWatch {
public:
    // A null frame, as a view outside any frame has, is never gone.
    explicit FrameWatch(const Frame* frame)
        : watching(frame != nullptr), alive(watching ? frame->alive : std::weak_ptr<const int>()) {}
    bool frameGone() const { return watching && alive.expired(); }

private:
    bool watching;
    std::weak_ptr<const int> alive;
};

template <typename Pass> void Frame::withWindowContext(Pass&& pass) {
    if (childWindow == nullptr) {
        return;
    }
    std::unique_ptr<platform::Surface> surface = childWindow->surface();
    if (surface == nullptr) {
        return;
    }
    DrawContext context(this, surface.get(), childWindow.get());
    pass(context);
}

template <typename Pass> void Frame::withAnyContext(Pass&& pass) {
    bool done = false;
    withWindowContext([&pass, &done](DrawContext& context) {
        done = true;
        pass(context);
    });
    if (!done) {
        DrawContext context(this, nullptr, nullptr);
        pass(context);
    }
}

} // namespace tarvolin
