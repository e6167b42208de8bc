#include "gui/Frame.h"

#include "gui/Bitmap.h"
#include "gui/DrawContext.h"
#include "gui/WindowClass.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace tarvolin {

namespace {

constexpr int kViewGrowth = 10;

} // namespace

Frame::Frame(const Rect& size, void* parentWindow, FrameEditor* editor, int scale)
    : View(size), editor(editor), parentWindow(parentWindow), windowOpen(true),
      scale(scale == 2 ? 2 : 1) {
    createChildWindow();
}

Frame::Frame(const Rect& size, const char* title, FrameEditor* editor, int style)
    : View(size), editor(editor), parentWindow(nullptr), ownWindowMode(true) {
    if (title != nullptr) {
        std::strncpy(windowRequest.title, title, sizeof windowRequest.title - 1);
    }
    windowRequest.position = size.topLeft();
    windowRequest.width = size.width();
    windowRequest.height = size.height();
    windowRequest.style = style;
}

Frame::~Frame() {
    if (focusView != nullptr) {
        focusView->releaseFocus();
        focusView = nullptr;
    }
    for (int i = 0; i < viewCount; ++i) {
        delete views[i];
    }
    views.reset();
    viewCount = 0;
    setBackground(nullptr);
    if (childWindow != nullptr) {
        // The window lets go of its client before it goes, so late messages find nobody.
        childWindow.reset();
        WindowClass::release();
    }
    if (ownWindowMode && parentWindow != nullptr && editor != nullptr) {
        editor->closeWindow(windowRequest);
    }
    parentWindow = nullptr;
}

bool Frame::createChildWindow() {
    if (parentWindow == nullptr) {
        return false;
    }
    const char* className = WindowClass::acquire();
    childWindow = platform::createChildWindow(parentWindow, className, size.width() * scale,
                                              size.height() * scale, *this);
    if (childWindow == nullptr) {
        WindowClass::release();
        return false;
    }
    return true;
}

bool Frame::open(const Point* position) {
    if (!ownWindowMode) {
        return false;
    }
    if (windowOpen) {
        if (childWindow != nullptr) {
            childWindow->bringToTop();
        }
        return true;
    }
    if (editor == nullptr) {
        return false;
    }
    if (position != nullptr) {
        windowRequest.position = *position;
    }
    parentWindow = editor->openWindow(windowRequest);
    if (parentWindow == nullptr) {
        return false;
    }
    windowOpen = true;
    if (!createChildWindow()) {
        // A window with nothing in it is no use to anyone: it goes back.
        windowOpen = false;
        editor->closeWindow(windowRequest);
        parentWindow = nullptr;
        return false;
    }
    return true;
}

void* Frame::getChildWindow() const {
    return childWindow != nullptr ? childWindow->nativeHandle() : nullptr;
}

void Frame::setBackground(Bitmap* bitmap) {
    if (background != nullptr) {
        background->forget();
    }
    background = bitmap;
    if (background != nullptr) {
        background->remember();
    }
}

bool Frame::addView(View* view) {
    if (view == nullptr) {
        return false;
    }
    if (viewCount == viewCapacity) {
        const int grownCapacity = viewCapacity + kViewGrowth;
        std::unique_ptr<View*[]> grown(new (std::nothrow) View*[grownCapacity]);
        if (grown == nullptr) {
            return false;
        }
        std::copy_n(views.get(), viewCount, grown.get());
        views = std::move(grown);
        viewCapacity = grownCapacity;
    }
    views[viewCount++] = view;
    view->parentFrame = this;
    return true;
}

bool Frame::removeView(View* view) {
    View** end = views.get() + viewCount;
    View** found = std::find(views.get(), end, view);
    if (found == end) {
        return false;
    }
    std::copy(found + 1, end, found);
    --viewCount;
    return true;
}

View* Frame::getView(int index) const {
    return index >= 0 && index < viewCount ? views[index] : nullptr;
}

bool Frame::containsView(const View* view) const {
    return view != nullptr &&
           std::find(views.get(), views.get() + viewCount, view) != views.get() + viewCount;
}

bool Frame::setModalView(View* view) {
    if (view != nullptr && modalView != nullptr) {
        return false;
    }
    modalView = view;
    return true;
}

void Frame::draw(DrawContext& context) {
    firstDrawPending = false;
    if (background != nullptr) {
        background->draw(context, {0, 0, background->getWidth(), background->getHeight()});
    }
    for (int i = 0; i < viewCount; ++i) {
        views[i]->draw(context);
    }
    if (modalView != nullptr) {
        modalView->draw(context);
    }
}

void Frame::mouseDown(DrawContext& context, Point& where) {
    if (focusView != nullptr && !where.isInside(focusView->getSize())) {
        View* leaving = focusView;
        focusView = nullptr;
        // A text field that loses the focus tells its listener, which may close the editor.
        const FrameWatch watch(this);
        leaving->releaseFocus();
        if (watch.frameGone()) {
            return;
        }
    }
    if (modalView != nullptr) {
        if (where.isInside(modalView->getSize())) {
            modalView->click(context, where);
        }
        return;
    }
    for (int i = viewCount - 1; i >= 0; --i) {
        if (where.isInside(views[i]->getSize())) {
            views[i]->click(context, where);
            return;
        }
    }
}

void Frame::refresh(DrawContext& context) {
    if (!windowOpen) {
        return;
    }
    if (modalView != nullptr) {
        modalView->refresh(context);
        return;
    }
    for (int i = 0; i < viewCount; ++i) {
        views[i]->refresh(context);
    }
}

void Frame::drawView(View* view) {
    withWindowContext([this, view](DrawContext& context) {
        if (containsView(view)) {
            view->draw(context);
        } else {
            draw(context);
        }
    });
}

void Frame::idle() {
    if (childWindow != nullptr) {
        // Input handled here reaches views whose listeners may close the editor.
        const FrameWatch watch(this);
        childWindow->handlePendingEvents();
        if (watch.frameGone()) {
            return;
        }
    }
    if (!windowOpen || firstDrawPending) {
        return;
    }
    withWindowContext([this](DrawContext& context) { refresh(context); });
}

void Frame::paint(platform::Surface& surface) {
    DrawContext context(this, &surface, childWindow.get());
    draw(context);
}

void Frame::buttonDown(platform::Surface& surface, Point where) {
    DrawContext context(this, &surface, childWindow.get());
    Point logical = toLogical(where, scale);
    mouseDown(context, logical);
}

void Frame::idleTimerElapsed() {
    if (editor != nullptr) {
        editor->idleTimerElapsed();
    }
}

void Frame::windowDestroyed() {
    windowOpen = false;
    parentWindow = nullptr;
}

} // namespace tarvolin
