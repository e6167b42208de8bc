#include "ControlScene.h"

#include "gui/Buttons.h"
#include "gui/Faders.h"
#include "gui/PopupChoice.h"
#include "gui/Readouts.h"
#include "gui/StripControls.h"
#include "gui/TextField.h"

#include <array>

namespace tarvolin::test {

namespace {

using namespace controls;

// Each control takes its own references; the scene's go at once.
class Pictures {
public:
    Bitmap* operator()(int number) {
        Bitmap*& loaded = held[static_cast<std::size_t>(number - 128)];
        if (loaded == nullptr) {
            loaded = new Bitmap(number);
        }
        return loaded;
    }
    ~Pictures() {
        for (Bitmap* bitmap : held) {
            if (bitmap != nullptr) {
                bitmap->forget();
            }
        }
    }

private:
    std::array<Bitmap*, 10> held{};
};

template <typename Made> Made* add(Frame& frame, Made* control, float value) {
    control->setValue(value);
    frame.addView(control);
    return control;
}

// The border a text control draws, up to its right and bottom coordinates,
// as four lines, each with the background just outside it.
Rect topLine(const Rect& r) {
    return {r.left - 1, r.top - 1, r.right + 2, r.top + 1};
}
Rect bottomLine(const Rect& r) {
    return {r.left - 1, r.bottom, r.right + 2, r.bottom + 2};
}
Rect leftLine(const Rect& r) {
    return {r.left - 1, r.top - 1, r.left + 1, r.bottom + 2};
}
Rect rightLine(const Rect& r) {
    return {r.right, r.top - 1, r.right + 2, r.bottom + 2};
}
Rect inside(const Rect& r) {
    return {r.left + 1, r.top + 1, r.right, r.bottom};
}

constexpr Agreement kExact = Agreement::Exact;
constexpr Agreement kPlaced = Agreement::Placed;

const std::array<ControlCell, 25> kCells{{
    {"spring rocker", kRocker, kExact, 0},
    {"strip indicator", kIndicator, kExact, 0},
    {"latch button", kLatch, kExact, 0},
    {"momentary button", kMomentary, kExact, 0},
    {"strip animation", kAnimation, kExact, 0},
    {"digit display", kDigits, kExact, 0},
    {"vertical fader", kVerticalFader, kExact, 0},
    {"horizontal fader", kHorizontalFader, kExact, 0},
    {"level meter", kMeter, kExact, 0},
    {"value display top", topLine(kValueDisplay), kExact, 0},
    {"value display bottom", bottomLine(kValueDisplay), kExact, 0},
    {"value display left", leftLine(kValueDisplay), kExact, 0},
    {"value display right", rightLine(kValueDisplay), kExact, 0},
    {"value display text", inside(kValueDisplay), kPlaced, 3},
    {"text field top", topLine(kTextField), kExact, 0},
    {"text field bottom", bottomLine(kTextField), kExact, 0},
    {"text field left", leftLine(kTextField), kExact, 0},
    {"text field right", rightLine(kTextField), kExact, 0},
    {"text field text", inside(kTextField), kPlaced, 3},
    {"pop-up choice top", topLine(kPopupChoice), kExact, 0},
    {"pop-up choice bottom", bottomLine(kPopupChoice), kExact, 0},
    {"pop-up choice left", leftLine(kPopupChoice), kExact, 0},
    {"pop-up choice right", rightLine(kPopupChoice), kExact, 0},
    {"pop-up choice text", inside(kPopupChoice), kPlaced, 3},
    // Where nothing but the background lies.
    {"background", {60, 90, 160, 105}, kExact, 0},
}};

} // namespace

std::span<const ControlCell> controlCells() {
    return kCells;
}

void addControlScene(Frame& frame, ControlListener* listener) {
    Pictures pictures;
    frame.setBackground(pictures(128));

    add(frame, new SpringRocker(kRocker, listener, 1, 34, pictures(132), {}), 1.0f);
    add(frame, new StripIndicator(kIndicator, listener, 2, 5, 34, pictures(134), {}), 0.49f);
    add(frame, new LatchButton(kLatch, listener, 3, 20, pictures(136), {}), 1.0f);
    add(frame, new MomentaryButton(kMomentary, listener, 4, 11, pictures(133), {}), 1.0f);
    add(frame, new StripAnimation(kAnimation, listener, 5, 37, 32, pictures(129), {}), 128.0f)
        ->openStrip();

    constexpr std::array<int, 3> digitsLeft{kDigits.left, kDigits.left + 36, kDigits.left + 72};
    constexpr std::array<int, 3> digitsTop{kDigits.top, kDigits.top, kDigits.top};
    add(frame,
        new DigitDisplay(kDigits, listener, 6, 42, 3, digitsLeft, digitsTop, kDigitWidth,
                         kDigitHeight, pictures(129)),
        42.0f);

    // The handle's bottom reaches the control's bottom at the travel's end.
    auto* vertical = add(frame,
                         new VerticalFader(kVerticalFader, listener, 7, kVerticalFader.top,
                                           kVerticalFader.bottom - 22, pictures(133), pictures(128),
                                           kVerticalFaderBackground, kVerticalFarEnd),
                         0.25f);
    vertical->setHandleOffset({5, 0});
    add(frame,
        new HorizontalFader(kHorizontalFader, listener, 8, kHorizontalFader.left,
                            kHorizontalFader.right - 10, pictures(133), pictures(128),
                            kHorizontalFaderBackground, kHorizontalNearEnd),
        0.5f);
    add(frame, new LevelMeter(kMeter, pictures(132), pictures(131), 6, 0), 0.5f);

    auto* display = add(frame, new ValueDisplay(kValueDisplay, nullptr, kTextShadow), 0.5f);
    display->setFrameColour(Yellow);

    auto* field = add(frame,
                      new TextField(kTextField, listener, 9, "Tarvolin", nullptr,
                                    kFrameColourFirst | kTextShadow),
                      0.0f);
    field->setBackgroundColour(Blue);
    field->setFrameColour(Green);
    field->setFont(2);

    auto* choice = add(
        frame,
        new PopupChoice(kPopupChoice, listener, 10, nullptr, nullptr, kFrameBackgroundColourFirst),
        0.0f);
    for (const char* entry : {"Sine", "Triangle", "Saw"}) {
        choice->insertEntry(entry);
    }
    choice->setSelected(1);
    choice->setBackgroundColour(Grey);
    choice->setFrameColour(White);
    choice->setFontColour(Black);
    choice->setAlignment(AlignLeft);
}

} // namespace tarvolin::test
