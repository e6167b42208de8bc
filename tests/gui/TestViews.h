#pragma once

#include "gui/Control.h"
#include "gui/ControlListener.h"
#include "gui/DrawContext.h"
#include "gui/Frame.h"
#include "gui/FrameEditor.h"
#include "gui/View.h"

#include <memory>
#include <vector>

namespace tarvolin::test {

// Fills its rectangle with its own colour and counts what reaches it.
class RecordingView : public View {
public:
    RecordingView(const Rect& size, Colour colour, int* destroyed = nullptr)
        : View(size), colour(colour), destroyed(destroyed) {}
    ~RecordingView() override {
        if (destroyed != nullptr) {
            ++*destroyed;
        }
    }

    void draw(DrawContext& context) override {
        ++draws;
        context.setFillColour(colour);
        context.fillRect({size.left - 1, size.top - 1, size.right, size.bottom});
    }
    void mouseDown(DrawContext&, Point& where) override { clicks.push_back(where); }
    void refresh(DrawContext&) override { ++refreshes; }
    void releaseFocus() override { ++focusReleases; }

    Colour colour;
    int draws = 0;
    int refreshes = 0;
    int focusReleases = 0;
    std::vector<Point> clicks;

private:
    int* destroyed;
};

// A vertical slider whose value is the mouse's v / 100.
class TestSlider : public Control {
public:
    using Control::Control;

    void draw(DrawContext&) override {
        ++draws;
        markDrawn();
    }
    void mouseDown(DrawContext& context, Point& where) override { trackMouse(context, where); }

    int draws = 0;

protected:
    float valueAt(Point where) const override { return static_cast<float>(where.v) / 100.0f; }
};

class RecordingListener : public ControlListener {
public:
    void controlChanged(DrawContext&, Control& control) override {
        values.push_back(control.getValue());
        tags.push_back(control.getTag());
    }

    std::vector<float> values;
    std::vector<int> tags;
};

// Closes the editor when it hears of a change, as a host may.
class ClosingListener : public ControlListener {
public:
    explicit ClosingListener(std::unique_ptr<Frame>& frame) : frame(frame) {}
    void controlChanged(DrawContext&, Control&) override { frame.reset(); }

private:
    std::unique_ptr<Frame>& frame;
};

// Counts tracking idles; it has no host, so it opens no windows.
class CountingEditor : public FrameEditor {
public:
    void trackingIdle() override { ++trackingIdles; }
    void idleTimerElapsed() override {}
    void* openWindow(const WindowRequest&) override { return nullptr; }
    void closeWindow(const WindowRequest&) override {}

    int trackingIdles = 0;
};

} // namespace tarvolin::test
