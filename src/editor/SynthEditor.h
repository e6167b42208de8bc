#pragma once

#include "gui/ControlListener.h"
#include "gui/Geometry.h"
#include "instrument/ParameterTable.h"

#include <array>
#include <memory>

namespace tarvolin {

class Bitmap;
class Control;
class EditController;
class Frame;
class FrameEditor;
class View;
struct ControlPlacement;

// The instrument's editor: the background picture with the 43 controls of the
// layout and the about view over it. Controls mirror the instrument's values
// of the current channel: a user's click is one edit through the edit
// controller; a change from anywhere else is read back at the next update.
class SynthEditor : public ControlListener {
public:
    // Loads the background, whose size is the editor's.
    explicit SynthEditor(EditController& controller);
    // Closes the editor if it is open and releases every picture.
    ~SynthEditor();
    SynthEditor(const SynthEditor&) = delete;
    SynthEditor& operator=(const SynthEditor&) = delete;

    // In logical pixels; a window at scale 2 is twice as wide and high.
    Rect size() const;

    // Builds the frame in the window with every control at the instrument's
    // current value, at scale 1 or 2; host speaks to the platform's host for
    // the frame. An open editor is closed first. False, leaving nothing open,
    // without a window or when the frame cannot be made.
    bool open(void* window, FrameEditor& host, int scale = 1);
    // Destroys the frame, with its views and its child window.
    void close();
    // Re-reads every control but the learn switch from the current channel.
    void update();

    void controlChanged(DrawContext& context, Control& control) override;
    void controlBeganEdit(Control& control) override;
    void controlEndedEdit(Control& control) override;

    // The frame and the control of a parameter while the editor is open; null otherwise.
    Frame* getFrame() const { return frame.get(); }
    Control* getControl(int index) const;

private:
    bool buildFrame(void* window, FrameEditor& host, int scale);
    Control* makeControl(const ControlPlacement& placement);
    bool adopt(View* view);
    void loadPictures();
    Bitmap*& picture(int number);
    void releasePicture(int number);

    EditController& controller;
    std::unique_ptr<Frame> frame;
    std::array<Control*, kNumParameters> controls{};
    // Indexed by resource number from 128; 134 is never loaded.
    std::array<Bitmap*, 10> pictures{};
};

} // namespace tarvolin
