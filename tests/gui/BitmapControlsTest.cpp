// How the further bitmap controls follow the mouse and treat values and
// ranges no picture can show.

#include "TestViews.h"

#include "gui/Buttons.h"
#include "gui/Faders.h"
#include "gui/Frame.h"
#include "gui/MouseButtons.h"
#include "gui/Readouts.h"
#include "gui/StripControls.h"
#include "gui/Switches.h"
#include "gui/platform/headless/HeadlessHost.h"
#include "gui/platform/headless/HeadlessWindow.h"
#include "gui/platform/raster/RasterPicture.h"

#include <gtest/gtest.h>

#include <array>
#include <limits>
#include <memory>
#include <vector>

namespace tarvolin {
namespace {

using platform::MouseState;
using platform::PixelBuffer;

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInfinity = std::numeric_limits<float>::infinity();
constexpr int L = ButtonLeft;
constexpr int LS = ButtonLeft | ModifierShift;

Bitmap* picture(int width, int height, Colour colour = Red) {
    return new Bitmap(
        0, std::make_unique<platform::RasterPicture>(PixelBuffer(width, height, colour)));
}

class BitmapControls : public ::testing::Test {
protected:
    template <typename Made> Made* add(Made* control) {
        frame.addView(control);
        return control;
    }
    // Presses at the first state's place and plays the states.
    void play(const std::vector<MouseState>& states) {
        host.scriptMouse(states);
        host.child()->press(states.front().location);
    }

    platform::HeadlessHost host;
    test::CountingEditor editor;
    test::RecordingListener listener;
    Frame frame{Rect(0, 0, 200, 200), &host, &editor};
};

class Faders : public BitmapControls {
protected:
    Bitmap* handle = picture(10, 20);
    // Value 0 at the top, for the handle and the mouse; the travel is 100 pixels.
    VerticalFader* fader = add(new VerticalFader({0, 0, 20, 120}, &listener, 3, 0, 100, handle,
                                                 nullptr, {}, kVerticalNearEnd));

    Faders() {
        handle->forget();
        host.child()->paint();
    }
};

TEST_F(Faders, TheHandleFollowsTheMouseFromWhereItWasGrabbed) {
    EXPECT_EQ(fader->getHandlePosition(), 0);
    play({{{5, 10}, L}, {{5, 60}, L}, {{5, 60}, 0}});
    EXPECT_FLOAT_EQ(fader->getValue(), 0.5f);
    EXPECT_EQ(listener.values.size(), 1u);
    frame.idle();
    EXPECT_EQ(fader->getHandlePosition(), 50);
}

TEST_F(Faders, ClicksBesideTheHandleOrWithOtherButtonsDoNothing) {
    for (const MouseState& press : {MouseState{{5, 21}, L}, MouseState{{11, 10}, L},
                                    MouseState{{5, 10}, ButtonRight}, MouseState{{5, 10}, 2}}) {
        play({press, {{5, 90}, press.buttons}, {{5, 90}, 0}});
    }
    EXPECT_EQ(fader->getValue(), 0.0f);
    EXPECT_TRUE(listener.values.empty());
    // Alt with the left button sets the default.
    play({{{5, 10}, ButtonLeft | ModifierAlt}});
    EXPECT_EQ(fader->getValue(), 0.5f);
}

TEST_F(Faders, ShiftMovesATenthAsFastFromWhereTheHandleIs) {
    play({{{5, 10}, LS}, {{5, 60}, LS}, {{5, 60}, 0}});
    EXPECT_NEAR(fader->getValue(), 0.05f, 1e-6f);

    // Shift pressed a second time in one drag starts from where the handle
    // is then, as the first time did.
    fader->setValue(0.0f);
    frame.idle();
    listener.values.clear();
    play({{{5, 10}, L},
          {{5, 30}, L},
          {{5, 30}, LS},
          {{5, 80}, LS},
          {{5, 80}, L},
          {{5, 80}, LS},
          {{5, 90}, LS},
          {{5, 90}, 0}});
    const std::vector<float> expected{0.2f, 0.2f, 0.25f, 0.7f, 0.7f, 0.71f};
    ASSERT_EQ(listener.values.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_NEAR(listener.values[i], expected[i], 1e-6f) << i;
    }
}

TEST_F(Faders, FarEndStylesAndAxesSwapDirections) {
    Bitmap* wide = picture(10, 20);
    auto* horizontal = add(new HorizontalFader({0, 150, 120, 170}, &listener, 4, 0, 110, wide,
                                               nullptr, {}, kHorizontalFarEnd));
    wide->forget();
    host.child()->paint();
    // Value 0 drawn at the far end (right), and the mouse agrees.
    EXPECT_EQ(horizontal->getHandlePosition(), 110);
    play({{{115, 160}, L}, {{60, 160}, L}, {{60, 160}, 0}});
    EXPECT_NEAR(horizontal->getValue(), 0.5f, 1e-6f);
}

TEST_F(Faders, DegenerateTravelsAndValuesAreSafe) {
    Bitmap* still = picture(10, 20);
    auto* zero = add(new VerticalFader({50, 0, 70, 20}, &listener, 5, 0, 0, still, nullptr, {},
                                       kVerticalNearEnd));
    still->forget();
    host.child()->paint();
    zero->setValue(0.3f);
    play({{{55, 5}, L}, {{55, 15}, L}, {{55, 15}, 0}});
    EXPECT_EQ(zero->getValue(), 0.3f);

    for (const float value : {kNaN, kInfinity, -kInfinity, 1e30f, -1e30f}) {
        fader->setValue(value);
        frame.idle();
        EXPECT_GE(fader->getHandlePosition(), 0) << value;
        EXPECT_LE(fader->getHandlePosition(), 100) << value;
    }
}

TEST_F(BitmapControls, LatchTogglesWhenReleasedInsideAndStaysOutside) {
    Bitmap* pictures = picture(10, 20);
    auto* latch = add(new LatchButton({0, 0, 10, 10}, &listener, 1, 10, pictures, {}));
    pictures->forget();
    play({{{5, 5}, L}, {{6, 6}, L}, {{6, 6}, 0}});
    EXPECT_EQ(latch->getValue(), 1.0f);
    EXPECT_EQ(latch->getButtonState(), 1.0f);
    play({{{5, 5}, L}, {{50, 50}, L}, {{50, 50}, 0}});
    EXPECT_EQ(latch->getValue(), 1.0f);
    EXPECT_EQ(listener.values, (std::vector<float>{1.0f, 1.0f, 0.0f, 1.0f}));
    // A press already over when first seen flips it once.
    play({{{5, 5}, 0}});
    EXPECT_EQ(latch->getValue(), 0.0f);
}

TEST_F(BitmapControls, MomentaryTellsOneWhileHeldInsideThenZero) {
    Bitmap* pictures = picture(10, 20);
    auto* button = add(new MomentaryButton({0, 0, 10, 10}, &listener, 2, 10, pictures, {}));
    pictures->forget();
    play({{{5, 5}, L}, {{5, 5}, L}, {{5, 5}, 0}});
    EXPECT_EQ(listener.values, (std::vector<float>{1.0f, 1.0f, 0.0f}));
    EXPECT_EQ(button->getValue(), 0.0f);
    listener.values.clear();
    play({{{5, 5}, 0}});
    EXPECT_EQ(listener.values, (std::vector<float>{1.0f, 0.0f}));
}

TEST_F(BitmapControls, RockerFollowsTheHalfHeldAndSpringsBack) {
    Bitmap* pictures = picture(20, 30);
    auto* rocker = add(new SpringRocker({0, 0, 20, 10}, &listener, 3, 10, pictures, {}));
    pictures->forget();
    host.child()->paint();
    // The middle column belongs to both halves, the left one first; outside
    // both it is at rest, as before the click.
    play({{{10, 5}, L}, {{15, 5}, L}, {{50, 5}, L}, {{50, 5}, 0}});
    EXPECT_EQ(listener.values, (std::vector<float>{-1.0f, 1.0f, 0.0f}));
    EXPECT_EQ(rocker->getValue(), 0.0f);
    listener.values.clear();
    play({{{15, 5}, 0}});
    EXPECT_EQ(listener.values, (std::vector<float>{1.0f, 0.0f}));
}

TEST_F(BitmapControls, StripAnimationStepsThroughEveryPictureBothWays) {
    Bitmap* strip = picture(10, 30);
    auto* animation = add(new StripAnimation({0, 0, 10, 10}, &listener, 4, 3, 10, strip, {}));
    strip->forget();
    std::vector<float> rows;
    for (int i = 0; i < 4; ++i) {
        rows.push_back(animation->getValue());
        animation->nextFrame();
    }
    EXPECT_EQ(rows, (std::vector<float>{0, 10, 20, 0}));
    rows.clear();
    for (int i = 0; i < 4; ++i) {
        animation->previousFrame();
        rows.push_back(animation->getValue());
    }
    EXPECT_EQ(rows, (std::vector<float>{0, 20, 10, 0}));
    animation->setValue(kNaN);
    animation->nextFrame();
    EXPECT_EQ(animation->getValue(), 0.0f);

    // A click opens it and tells; the next closes it and tells nobody.
    animation->setValue(20.0f);
    play({{{5, 5}, L}});
    EXPECT_TRUE(animation->isOpen());
    EXPECT_EQ(animation->getValue(), 0.0f);
    EXPECT_EQ(animation->getDrawnValue(), -1.0f);
    play({{{5, 5}, L}});
    EXPECT_FALSE(animation->isOpen());
    EXPECT_EQ(listener.values.size(), 1u);

    StripAnimation flat({0, 0, 10, 10}, nullptr, 5, 4, 0, nullptr, {});
    flat.nextFrame();
    flat.previousFrame();
    EXPECT_EQ(flat.getValue(), 0.0f);
}

TEST(StripIndicator, RoundsToTheNearestPicture) {
    StripIndicator indicator({0, 0, 10, 10}, nullptr, 1, 5, 10, nullptr, {});
    const auto shown = [&indicator](float value) {
        indicator.setValue(value);
        return indicator.shownPicture();
    };
    EXPECT_EQ(shown(0.49f), 2);
    EXPECT_EQ(shown(0.37f), 1);
    EXPECT_EQ(shown(0.38f), 2);
    EXPECT_EQ(shown(1.0f), 4);
    EXPECT_EQ(shown(kInfinity), 4);
    EXPECT_EQ(shown(-0.3f), 0);
    EXPECT_EQ(shown(kNaN), 0);
    StripIndicator none({0, 0, 10, 10}, nullptr, 1, 0, 10, nullptr, {});
    none.setValue(0.8f);
    EXPECT_EQ(none.shownPicture(), 0);
}

std::vector<int> digitsOf(DigitDisplay& display, float value) {
    display.setValue(value);
    std::vector<int> digits;
    for (int i = 0; i < display.getDigitCount(); ++i) {
        digits.push_back(display.digitAt(i));
    }
    return digits;
}

TEST(DigitDisplay, ShowsTheValueWithinItsDigits) {
    constexpr std::array<int, 9> places{};
    DigitDisplay display({0, 0, 30, 10}, nullptr, 1, 42, 3, places, places, 10, 10, nullptr);
    EXPECT_EQ(display.getMax(), 999.0f);
    EXPECT_EQ(digitsOf(display, 42.0f), (std::vector<int>{0, 4, 2}));
    EXPECT_EQ(digitsOf(display, 1500.0f), (std::vector<int>{9, 9, 9}));
    EXPECT_EQ(digitsOf(display, 41.9f), (std::vector<int>{0, 4, 1}));
    for (const float value : {kNaN, -kInfinity, -7.0f}) {
        EXPECT_EQ(digitsOf(display, value), (std::vector<int>{0, 0, 0})) << value;
    }
    EXPECT_EQ(digitsOf(display, kInfinity), (std::vector<int>{9, 9, 9}));
    display.setValue(500.0f);
    EXPECT_NEAR(display.getFraction(), 500.0f / 999.0f, 1e-6f);
    // A maximum of 0, or a range of one number, never divides by zero.
    display.setMax(0.0f);
    EXPECT_EQ(digitsOf(display, 42.0f), (std::vector<int>{0, 0, 0}));
    EXPECT_EQ(display.getFraction(), 0.0f);
    display.setMin(5.0f);
    display.setMax(5.0f);
    EXPECT_EQ(digitsOf(display, 42.0f), (std::vector<int>{0, 0, 0}));

    DigitDisplay many({0, 0, 30, 10}, nullptr, 1, 0, 9, places, places, 10, 10, nullptr);
    EXPECT_EQ(many.getDigitCount(), 7);
    EXPECT_EQ(many.getMax(), 9999999.0f);
    DigitDisplay none({0, 0, 30, 10}, nullptr, 1, 0, 0, places, places, 10, 10, nullptr);
    EXPECT_EQ(none.getMax(), 0.0f);
    EXPECT_EQ(none.getFraction(), 0.0f);
}

TEST_F(BitmapControls, MeterFallsByAtMostItsStepEachRedraw) {
    Bitmap* on = picture(10, 100, Green);
    auto* meter = add(new LevelMeter({0, 0, 10, 100}, on, nullptr, 10, 0));
    on->forget();
    meter->setFallStep(0.25f);
    meter->setValue(1.0f);
    host.child()->paint();
    std::vector<float> shown;
    for (int i = 0; i < 5; ++i) {
        meter->setValue(0.0f);
        frame.idle();
        shown.push_back(meter->getValue());
    }
    EXPECT_EQ(shown, (std::vector<float>{0.75f, 0.5f, 0.25f, 0.0f, 0.0f}));
    EXPECT_EQ(meter->getOnRect(), Rect(0, 100, 10, 100));

    // Values far beyond the range are held in it; without lights nothing is lit.
    meter->setValue(1e30f);
    frame.idle();
    EXPECT_EQ(meter->getValue(), 1.0f);
    EXPECT_EQ(meter->getOnRect(), Rect(0, 0, 10, 100));
    Bitmap* dark = picture(10, 100);
    auto* unlit = add(new LevelMeter({20, 0, 30, 100}, dark, nullptr, 0, kMeterHorizontal));
    dark->forget();
    unlit->setValue(kNaN);
    frame.idle();
    EXPECT_EQ(unlit->getValue(), 0.0f);
    EXPECT_EQ(unlit->getOnRect().width(), 0);
}

TEST_F(BitmapControls, SelectorsWithoutTwoPositionsKeepTheirValue) {
    Bitmap* pictures = picture(10, 10);
    auto* single = add(new VerticalSelector({0, 0, 10, 10}, &listener, 1, 1, 10, 1, pictures, {}));
    auto* none = add(new HorizontalSelector({20, 0, 30, 10}, &listener, 2, 0, 10, 0, pictures, {}));
    pictures->forget();
    single->setValue(0.4f);
    none->setValue(0.6f);
    host.child()->paint();
    play({{{5, 5}, L}, {{5, 9}, L}, {{5, 9}, 0}});
    play({{{25, 5}, L}, {{29, 5}, L}, {{29, 5}, 0}});
    EXPECT_EQ(single->getValue(), 0.4f);
    EXPECT_EQ(none->getValue(), 0.6f);
    EXPECT_EQ(single->shownPicture(), 0);
}

TEST(BitmapControlsClosed, AFrameClosedByTheListenerMidPressIsLeftAlone) {
    platform::HeadlessHost host;
    std::unique_ptr<Frame> frame;
    test::ClosingListener closing(frame);
    const auto pressOn = [&](Control* control, Point where) {
        frame = std::make_unique<Frame>(Rect(0, 0, 100, 100), &host, nullptr);
        frame->addView(control);
        host.child()->paint();
        host.scriptMouse({{where, L}, {{where.h, where.v + 5}, L}, {where, 0}});
        host.child()->press(where);
        EXPECT_EQ(frame, nullptr);
    };
    Bitmap* pictures = picture(10, 30);
    pressOn(new SpringRocker({0, 0, 20, 10}, &closing, 1, 10, pictures, {}), {5, 5});
    pressOn(new LatchButton({0, 0, 10, 10}, &closing, 2, 10, pictures, {}), {5, 5});
    pressOn(new MomentaryButton({0, 0, 10, 10}, &closing, 3, 10, pictures, {}), {5, 5});
    pressOn(new VerticalFader({0, 0, 10, 100}, &closing, 4, 0, 70, pictures, nullptr, {},
                              kVerticalNearEnd),
            {5, 5});
    pictures->forget();
}

} // namespace
} // namespace tarvolin
