#pragma once

#include "gui/View.h"

#include <atomic>
#include <functional>
#include <memory>

namespace tarvolin {

class ControlListener;

// A view with one value, the tag that names it to its listener, and the
// value it last drew: a control needs redrawing exactly when the two differ.
class Control : public View {
public:
    Control(const Rect& size, ControlListener* listener, int tag);

    // Every concrete control draws itself and ends by calling markDrawn.
    void draw(DrawContext& context) override = 0;
    void refresh(DrawContext& context) override;
    // The listener hears of the edit's beginning and end around mouseDown.
    void click(DrawContext& context, Point& where) override;

    // Lets the editor refresh the frame and the host idle while the mouse is tracked.
    virtual void trackingIdle();

    // Values are stored as given; each control decides how to draw values out of range.
    virtual void setValue(float newValue) { value.store(newValue, std::memory_order_relaxed); }
    virtual float getValue() const { return value.load(std::memory_order_relaxed); }
    virtual void setMin(float newMinimum) { minimum = newMinimum; }
    virtual float getMin() const { return minimum; }
    virtual void setMax(float newMaximum) { maximum = newMaximum; }
    virtual float getMax() const { return maximum; }
    virtual void setDrawnValue(float newDrawnValue) { drawnValue = newDrawnValue; }
    virtual float getDrawnValue() const { return drawnValue; }
    virtual void setDefaultValue(float newDefault) { defaultValue = newDefault; }
    virtual float getDefaultValue() const { return defaultValue; }
    virtual void setMouseEnabled(bool enabled) { mouseEnabled = enabled; }
    virtual bool getMouseEnabled() const { return mouseEnabled; }

    int getTag() const { return tag; }
    ControlListener* getListener() const { return listener; }

protected:
    void markDrawn() { drawnValue = getValue(); }
    bool differsFromDrawn() const { return getValue() != drawnValue; }

    // The polling protocol of the dragging controls: nothing when disabled;
    // the reset gesture (left button with Alt and nothing else) restores the
    // default; otherwise valueAt maps each polled position to the value, the
    // listener hears of every pass whose value differs from the drawn one, and
    // the loop runs while any button or modifier key is down.
    void trackMouse(DrawContext& context, Point& where);
    // The value the mouse at where stands for; the tracking controls define it.
    virtual float valueAt(Point where) const;

    // The loop of the buttons that follow a press: while any button or key is
    // down, the value is valueFor the polled mouse position (the click's on
    // the first pass) and the listener hears of every pass that differs from
    // the drawn value. A press already released when first polled sets
    // whenReleased once and tells the listener anyway. False when the frame
    // went away meanwhile.
    bool followPress(DrawContext& context, Point& where,
                     const std::function<float(Point)>& valueFor, float whenReleased);

    // The one loop every control that follows the mouse runs: the value for
    // the position and the buttons held (the click's on the first pass), the
    // listener told of each change, idle time for the editor and the host,
    // the mouse polled again, while holds(buttons). The listener and the idle
    // reach the host, which may close the editor: then the loop ends without
    // touching anything and answers false.
    bool followMouse(DrawContext& context, Point& where, int buttons,
                     const std::function<float(Point, int)>& valueFor,
                     const std::function<bool(int)>& holds);

    // Whoever calls trackMouse or changes the value with the mouse needs a listener.
    void notifyListener(DrawContext& context);

private:
    ControlListener* listener;
    int tag;
    bool mouseEnabled = true;
    float drawnValue = -1.0f;
    float defaultValue = 0.5f;
    // Set from whichever thread changes the parameter, drawn on the UI thread.
    std::atomic<float> value{0.0f};
    float minimum = 0.0f;
    float maximum = 1.0f;
};

} // namespace tarvolin
