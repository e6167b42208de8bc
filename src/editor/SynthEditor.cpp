#include "editor/SynthEditor.h"

#include "editor/AboutView.h"
#include "editor/EditorLayout.h"
#include "gui/Bitmap.h"
#include "gui/Frame.h"
#include "gui/Knobs.h"
#include "gui/Switches.h"
#include "instrument/EditController.h"

#include <memory>
#include <new>

namespace tarvolin {

namespace {

constexpr int kFirstPicture = kBackgroundPicture;
constexpr int kKnobFrames = 37;
constexpr int kLargeKnobFrameHeight = 50;
constexpr int kSmallKnobFrameHeight = 32;
constexpr int kFourWayImageHeight = 46;
constexpr int kThreeWayImageHeight = 34;
constexpr int kSmallToggleHeight = 11;

int widthOf(const Bitmap* bitmap) {
    return bitmap != nullptr ? bitmap->getWidth() : 0;
}
int heightOf(const Bitmap* bitmap) {
    return bitmap != nullptr ? bitmap->getHeight() : 0;
}

Rect placed(Point corner, int width, int height) {
    return {corner.h, corner.v, corner.h + width, corner.v + height};
}

} // namespace

SynthEditor::SynthEditor(EditController& controller) : controller(controller) {
    picture(kBackgroundPicture) = new Bitmap(kBackgroundPicture);
}

SynthEditor::~SynthEditor() {
    close();
    for (Bitmap*& loaded : pictures) {
        if (loaded != nullptr) {
            loaded->forget();
            loaded = nullptr;
        }
    }
}

Rect SynthEditor::size() const {
    const Bitmap* background = pictures[0];
    return {0, 0, widthOf(background), heightOf(background)};
}

Bitmap*& SynthEditor::picture(int number) {
    return pictures[static_cast<std::size_t>(number - kFirstPicture)];
}

void SynthEditor::releasePicture(int number) {
    Bitmap*& held = picture(number);
    if (held != nullptr) {
        held->forget();
        held = nullptr;
    }
}

void SynthEditor::loadPictures() {
    for (const int number : kPictureLoadOrder) {
        Bitmap*& held = picture(number);
        if (held == nullptr) {
            held = new Bitmap(number);
        }
    }
}

Control* SynthEditor::getControl(int index) const {
    if (frame == nullptr || index < 0 || index >= static_cast<int>(controls.size())) {
        return nullptr;
    }
    return controls[static_cast<std::size_t>(index)];
}

bool SynthEditor::open(void* window, FrameEditor& host, int scale) {
    if (frame != nullptr) {
        close();
    }
    if (window == nullptr) {
        return false;
    }
    try {
        if (buildFrame(window, host, scale)) {
            // A window that reads its own input paints its first picture in
            // the idle pass, so the host sees the editor drawn; where the
            // platform asks for paints, the pass does nothing before the first.
            frame->idle();
            return true;
        }
    } catch (const std::bad_alloc&) {
    }
    // Half an editor is no editor: everything made so far goes again.
    close();
    return false;
}

bool SynthEditor::buildFrame(void* window, FrameEditor& host, int scale) {
    loadPictures();
    Bitmap* background = picture(kBackgroundPicture);
    frame = std::make_unique<Frame>(size(), window, &host, scale);
    if (frame->getPlatformWindow() == nullptr) {
        return false;
    }
    frame->setBackground(background);
    for (const ControlPlacement& placement : kControlLayout) {
        Control* control = makeControl(placement);
        control->setValue(controller.editedValue(placement.index));
        if (!adopt(control)) {
            return false;
        }
        controls[static_cast<std::size_t>(placement.index)] = control;
    }
    return adopt(new AboutView(this, picture(kAboutPicture)));
}

bool SynthEditor::adopt(View* view) {
    std::unique_ptr<View> made(view);
    if (!frame->addView(made.get())) {
        return false;
    }
    made.release();
    return true;
}

Control* SynthEditor::makeControl(const ControlPlacement& placement) {
    const int tag = placement.index;
    const Point corner = placement.corner;
    switch (placement.kind) {
    case ControlKind::LargeKnob: {
        Bitmap* strip = picture(kLargeKnobStrip);
        return new StripKnob(placed(corner, widthOf(strip), kLargeKnobFrameHeight), this, tag,
                             kKnobFrames, kLargeKnobFrameHeight, strip, {0, 0});
    }
    case ControlKind::SmallKnob: {
        Bitmap* strip = picture(kSmallKnobStrip);
        return new StripKnob(placed(corner, widthOf(strip), kSmallKnobFrameHeight), this, tag,
                             kKnobFrames, kSmallKnobFrameHeight, strip, {0, 0});
    }
    case ControlKind::FourWaySelector: {
        Bitmap* images = picture(kFourWaySelectorPicture);
        return new VerticalSelector(placed(corner, widthOf(images), kFourWayImageHeight), this, tag,
                                    4, heightOf(images) / 4, 4, images, {0, 0});
    }
    case ControlKind::ThreeWaySelector: {
        Bitmap* images = picture(kThreeWaySelectorPicture);
        return new VerticalSelector(placed(corner, widthOf(images), kThreeWayImageHeight), this,
                                    tag, 3, heightOf(images) / 3, 3, images, {0, 0});
    }
    case ControlKind::FiveWaySelector: {
        Bitmap* images = picture(kFiveWaySelectorPicture);
        return new HorizontalSelector(placed(corner, widthOf(images), heightOf(images) / 5), this,
                                      tag, 5, heightOf(images) / 5, 5, images, {0, 0});
    }
    case ControlKind::SmallToggle: {
        Bitmap* images = picture(kSmallTogglePicture);
        return new ToggleButton(placed(corner, widthOf(images), kSmallToggleHeight), this, tag,
                                images);
    }
    case ControlKind::LargeToggle: {
        Bitmap* images = picture(kLargeTogglePicture);
        return new ToggleButton(placed(corner, widthOf(images), heightOf(images) / 2), this, tag,
                                images);
    }
    }
    return nullptr;
}

void SynthEditor::close() {
    frame.reset();
    controls.fill(nullptr);
    // The large strip is loaded again by the next open; the others are kept.
    releasePicture(kLargeKnobStrip);
}

void SynthEditor::update() {
    if (frame == nullptr) {
        return;
    }
    // The calls that led here may have stored values on any channel, from any
    // thread; what the editor shows is always the current channel, read here
    // on the user-interface thread. The learn switch shows what the user set.
    for (const ControlPlacement& placement : kControlLayout) {
        if (placement.index != kMidiLearn) {
            controls[static_cast<std::size_t>(placement.index)]->setValue(
                controller.editedValue(placement.index));
        }
    }
}

void SynthEditor::controlChanged(DrawContext& context, Control& control) {
    const int tag = control.getTag();
    if (tag >= kNumParameters) {
        return;
    }
    const FrameWatch watch(control.getParentFrame());
    controller.setEditedValue(tag, control.getValue());
    // The host hears of the change and may close the editor right there.
    if (watch.frameGone()) {
        return;
    }
    control.refresh(context);
}

void SynthEditor::controlBeganEdit(Control& control) {
    if (control.getTag() < kNumParameters) {
        controller.beginEdit(control.getTag());
    }
}

void SynthEditor::controlEndedEdit(Control& control) {
    if (control.getTag() < kNumParameters) {
        controller.endEdit(control.getTag());
    }
}

} // namespace tarvolin
