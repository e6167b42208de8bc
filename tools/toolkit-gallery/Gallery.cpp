#include "Gallery.h"

#include "GalleryPictures.h"

#include "gui/Bitmap.h"
#include "gui/Buttons.h"
#include "gui/DrawContext.h"
#include "gui/Faders.h"
#include "gui/Frame.h"
#include "gui/Knobs.h"
#include "gui/PopupChoice.h"
#include "gui/Readouts.h"
#include "gui/SplashView.h"
#include "gui/StripControls.h"
#include "gui/Switches.h"
#include "gui/TextField.h"
#include "gui/platform/headless/HeadlessHost.h"
#include "gui/platform/headless/HeadlessWindow.h"

#include <array>

namespace tarvolin::gallery {

// The project's pictures by resource number, and the gallery's own two,
// loaded once; every control takes its own reference.
class Pictures {
public:
    Bitmap* operator()(int number) {
        return held(loaded[index(number)], [number] { return new Bitmap(number); });
    }
    Bitmap* digits() { return held(digitPicture, digitStrip); }
    Bitmap* lights(bool lit) {
        return lit ? held(litPicture, [] { return meterLights(true); })
                   : held(darkPicture, [] { return meterLights(false); });
    }

    Pictures() = default;
    Pictures(const Pictures&) = delete;
    Pictures& operator=(const Pictures&) = delete;
    ~Pictures() {
        for (Bitmap* bitmap : loaded) {
            release(bitmap);
        }
        release(digitPicture);
        release(litPicture);
        release(darkPicture);
    }

private:
    static std::size_t index(int number) { return static_cast<std::size_t>(number - 128); }
    template <typename Make> static Bitmap* held(Bitmap*& slot, Make make) {
        if (slot == nullptr) {
            slot = make();
        }
        return slot;
    }
    static void release(Bitmap* bitmap) {
        if (bitmap != nullptr) {
            bitmap->forget();
        }
    }

    std::array<Bitmap*, 10> loaded{};
    Bitmap* digitPicture = nullptr;
    Bitmap* litPicture = nullptr;
    Bitmap* darkPicture = nullptr;
};

namespace {

constexpr int kColumnWidth = 120;
constexpr int kRowHeight = 100;
constexpr int kLabelHeight = 16;

// The top-left corner of a cell's control, and a control of that size there.
constexpr Rect cell(int column, int row, int width, int height) {
    const int left = column * kColumnWidth + 12;
    const int top = row * kRowHeight + 10;
    return {left, top, left + width, top + height};
}

template <typename Made> Control* valued(Made* control, float value) {
    control->setValue(value);
    return control;
}

Control* smallKnob(const Rect& place, Pictures& pictures) {
    return valued(new StripKnob(place, nullptr, 0, 37, 32, pictures(129), {}), 0.3f);
}
Control* largeKnob(const Rect& place, Pictures& pictures) {
    return valued(new StripKnob(place, nullptr, 0, 37, 50, pictures(130), {}), 0.7f);
}
Control* rotaryKnob(const Rect& place, Pictures& pictures) {
    return valued(new RotaryKnob(place, nullptr, 0, pictures(128), pictures(133), {440, 180}),
                  0.6f);
}
Control* smallToggle(const Rect& place, Pictures& pictures) {
    return valued(new ToggleButton(place, nullptr, 0, pictures(133)), 1.0f);
}
Control* largeToggle(const Rect& place, Pictures& pictures) {
    return valued(new ToggleButton(place, nullptr, 0, pictures(136)), 0.0f);
}
Control* fourWaySelector(const Rect& place, Pictures& pictures) {
    return valued(new VerticalSelector(place, nullptr, 0, 4, 46, 4, pictures(131), {}),
                  1.0f / 3.0f);
}
Control* threeWaySelector(const Rect& place, Pictures& pictures) {
    return valued(new VerticalSelector(place, nullptr, 0, 3, 34, 3, pictures(132), {}), 1.0f);
}
Control* fiveWaySelector(const Rect& place, Pictures& pictures) {
    return valued(new HorizontalSelector(place, nullptr, 0, 5, 10, 5, pictures(135), {}), 0.5f);
}
Control* splash(const Rect& place, Pictures& pictures) {
    // Shown open, as a click on its area would show it, with a corner of the about picture.
    return valued(new SplashView({place.left, place.top, place.left + 10, place.top + 10}, nullptr,
                                 53, pictures(137), place, {150, 90}),
                  1.0f);
}
Control* valueDisplay(const Rect& place, Pictures&) {
    auto* display = new ValueDisplay(place, nullptr, kTextShadow | kFrameColourFirst);
    display->setFrameColour(Grey);
    display->setBackgroundColour({16, 18, 22, 0});
    return valued(display, 0.5f);
}
Control* textField(const Rect& place, Pictures&) {
    auto* field = new TextField(place, nullptr, 0, "Tarvolin", nullptr, 0);
    field->setFrameColour({255, 146, 44, 0});
    field->setBackgroundColour({16, 18, 22, 0});
    field->setFont(2);
    return field;
}
Control* popupChoice(const Rect& place, Pictures&) {
    auto* choice =
        new PopupChoice(place, nullptr, 0, nullptr, nullptr, kFrameBackgroundColourFirst);
    for (const char* entry : {"Sine", "Triangle", "-", "Saw", "Rectangle"}) {
        choice->insertEntry(entry);
    }
    choice->setSelected(1);
    choice->setBackgroundColour(Grey);
    choice->setFrameColour(Black);
    choice->setFontColour(Black);
    return choice;
}
Control* springRocker(const Rect& place, Pictures& pictures) {
    return valued(new SpringRocker(place, nullptr, 0, 34, pictures(132), {}), 1.0f);
}
Control* stripIndicator(const Rect& place, Pictures& pictures) {
    return valued(new StripIndicator(place, nullptr, 0, 5, 34, pictures(134), {}), 0.75f);
}
Control* latchButton(const Rect& place, Pictures& pictures) {
    return valued(new LatchButton(place, nullptr, 0, 20, pictures(136), {}), 1.0f);
}
Control* momentaryButton(const Rect& place, Pictures& pictures) {
    return valued(new MomentaryButton(place, nullptr, 0, 11, pictures(133), {}), 0.0f);
}
Control* stripAnimation(const Rect& place, Pictures& pictures) {
    auto* animation = new StripAnimation(place, nullptr, 0, 37, 32, pictures(129), {});
    animation->openStrip();
    return valued(animation, 30.0f * 32.0f);
}
Control* verticalFader(const Rect& place, Pictures& pictures) {
    auto* fader = new VerticalFader(place, nullptr, 0, place.top, place.bottom - 22, pictures(133),
                                    pictures(128), {200, 268}, kVerticalFarEnd);
    fader->setHandleOffset({5, 0});
    return valued(fader, 0.7f);
}
Control* horizontalFader(const Rect& place, Pictures& pictures) {
    return valued(new HorizontalFader(place, nullptr, 0, place.left, place.right - 10,
                                      pictures(133), pictures(128), {530, 246}, kHorizontalNearEnd),
                  0.3f);
}
Control* digitDisplay(const Rect& place, Pictures& pictures) {
    const std::array<int, 3> left{place.left, place.left + kDigitWidth,
                                  place.left + 2 * kDigitWidth};
    const std::array<int, 3> top{place.top, place.top, place.top};
    return new DigitDisplay(place, nullptr, 0, 42, 3, left, top, kDigitWidth, kDigitHeight,
                            pictures.digits());
}
Control* levelMeter(const Rect& place, Pictures& pictures) {
    return valued(
        new LevelMeter(place, pictures.lights(true), pictures.lights(false), kMeterLights, 0),
        0.7f);
}

const std::array<Exhibit, 21> kExhibits{{
    {"StripKnob", cell(0, 0, 34, 32), smallKnob},
    {"StripKnob, large", cell(1, 0, 46, 50), largeKnob},
    {"RotaryKnob", cell(2, 0, 60, 60), rotaryKnob},
    {"ToggleButton", cell(3, 0, 10, 11), smallToggle},
    {"ToggleButton, large", cell(4, 0, 75, 20), largeToggle},
    {"VerticalSelector", cell(5, 0, 10, 46), fourWaySelector},
    {"VerticalSelector, 3", cell(0, 1, 10, 34), threeWaySelector},
    {"HorizontalSelector", cell(1, 1, 50, 10), fiveWaySelector},
    {"SplashView, open", cell(2, 1, 96, 60), splash},
    {"ValueDisplay", cell(3, 1, 80, 20), valueDisplay},
    {"TextField", cell(4, 1, 96, 20), textField},
    {"PopupChoice", cell(5, 1, 96, 20), popupChoice},
    {"SpringRocker", cell(0, 2, 10, 34), springRocker},
    {"StripIndicator", cell(1, 2, 10, 34), stripIndicator},
    {"LatchButton", cell(2, 2, 75, 20), latchButton},
    {"MomentaryButton", cell(3, 2, 10, 11), momentaryButton},
    {"StripAnimation", cell(4, 2, 34, 32), stripAnimation},
    {"DigitDisplay", cell(5, 2, 3 * kDigitWidth, kDigitHeight), digitDisplay},
    {"VerticalFader", cell(0, 3, 20, 70), verticalFader},
    {"HorizontalFader", cell(1, 3, 96, 22), horizontalFader},
    {"LevelMeter", cell(2, 3, kMeterWidth, kMeterHeight), levelMeter},
}};

// The wall, and each control's name under its cell.
class Labels : public View {
public:
    Labels() : View({0, 0, kGalleryWidth, kGalleryHeight}) {}

    void draw(DrawContext& context) override {
        context.setFillColour(kWall);
        context.fillRect({-1, -1, kGalleryWidth, kGalleryHeight});
        context.setFont(4);
        context.setFontColour({200, 204, 212, 0});
        for (const Exhibit& exhibit : kExhibits) {
            const int column = exhibit.place.left / kColumnWidth;
            const int row = exhibit.place.top / kRowHeight;
            const int bottom = (row + 1) * kRowHeight;
            context.drawString(exhibit.name,
                               {column * kColumnWidth + 8, bottom - kLabelHeight - 2,
                                (column + 1) * kColumnWidth, bottom - 2},
                               false, AlignLeft);
        }
    }
};

} // namespace

std::span<const Exhibit> exhibits() {
    return kExhibits;
}

platform::PixelBuffer drawGallery() {
    platform::HeadlessHost host;
    Frame frame({0, 0, kGalleryWidth, kGalleryHeight}, &host, nullptr);
    frame.addView(new Labels);
    Pictures pictures;
    for (const Exhibit& exhibit : kExhibits) {
        frame.addView(exhibit.make(exhibit.place, pictures));
    }
    host.child()->paint();
    return host.child()->pixels();
}

} // namespace tarvolin::gallery
