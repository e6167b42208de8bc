// Edge cases of the knobs and the splash view that the editor's own pictures
// cannot show.

#include "TestViews.h"

#include "gui/Bitmap.h"
#include "gui/Frame.h"
#include "gui/Knobs.h"
#include "gui/SplashView.h"
#include "gui/platform/headless/HeadlessHost.h"
#include "gui/platform/headless/HeadlessWindow.h"
#include "gui/platform/raster/RasterPicture.h"

#include <gtest/gtest.h>

#include <limits>
#include <memory>

namespace tarvolin {
namespace {

using platform::PixelBuffer;

Bitmap* pictureOf(PixelBuffer pixels) {
    return new Bitmap(0, std::make_unique<platform::RasterPicture>(std::move(pixels)));
}

// Frames of 10 rows in their own colours, the last one two rows short.
Bitmap* shortStrip() {
    PixelBuffer pixels(10, 28);
    for (int v = 0; v < 28; ++v) {
        for (int h = 0; h < 10; ++h) {
            pixels.set({h, v}, PixelBuffer::pack(v < 10 ? Red : v < 20 ? Green : Blue));
        }
    }
    return pictureOf(std::move(pixels));
}

class InFrame : public ::testing::Test {
protected:
    InFrame() {
        Bitmap* background = pictureOf(PixelBuffer(20, 20, Yellow));
        frame->setBackground(background);
        background->forget();
    }

    Colour at(int h, int v) const { return host.child()->pixels().colourAt({h, v}); }
    void press(Point where) {
        host.setMouse({where, 0});
        host.child()->press(where);
    }

    platform::HeadlessHost host;
    test::CountingEditor editor;
    std::unique_ptr<Frame> frame = std::make_unique<Frame>(Rect(0, 0, 20, 20), &host, &editor);
};

TEST_F(InFrame, StripRowsBeyondItsEndShowTheBackground) {
    Bitmap* strip = shortStrip();
    auto* knob = new StripKnob({0, 0, 10, 10}, nullptr, 1, 3, 10, strip, {});
    strip->forget();
    frame->addView(knob);
    host.child()->paint();
    EXPECT_EQ(at(5, 9), Red);
    for (const float value : {1.0f, 1.7f, std::numeric_limits<float>::infinity()}) {
        knob->setValue(0.0f);
        frame->idle();
        knob->setValue(value);
        frame->idle();
        EXPECT_EQ(knob->frameTop(), 20);
        EXPECT_EQ(at(5, 7), Blue);
        EXPECT_EQ(at(5, 8), Yellow) << value;
        EXPECT_EQ(at(5, 9), Yellow) << value;
    }
    knob->setValue(std::numeric_limits<float>::quiet_NaN());
    EXPECT_EQ(knob->frameTop(), 0);
}

TEST(RotaryKnob, HandleStaysOnTheArcForEveryValue) {
    Bitmap* handle = pictureOf(PixelBuffer(10, 10, Red));
    // A margin of half the handle, 5, and a radius of 20: the minimum at the
    // lower left, the maximum at the lower right.
    RotaryKnob knob({0, 0, 50, 50}, nullptr, 1, nullptr, handle, {});
    handle->forget();
    const auto cornerAt = [&knob](float value) {
        knob.setValue(value);
        Point corner;
        knob.handlePointForValue(corner);
        return corner;
    };
    EXPECT_EQ(cornerAt(0.0f), Point(10, 39));
    EXPECT_EQ(cornerAt(1.0f), Point(39, 39));
    EXPECT_EQ(cornerAt(-3.0f), Point(10, 39));
    EXPECT_EQ(cornerAt(7.0f), Point(39, 39));
    EXPECT_EQ(cornerAt(std::numeric_limits<float>::quiet_NaN()), Point(10, 39));
    knob.setMax(0.0f);
    EXPECT_EQ(cornerAt(0.0f), Point(10, 39));
}

TEST_F(InFrame, SplashThatCannotBeModalOrHasNoPictureStaysClosed) {
    Bitmap* picture = pictureOf(PixelBuffer(8, 8, Cyan));
    Bitmap* missing = pictureOf(PixelBuffer());
    auto* refused = new SplashView({0, 0, 4, 4}, nullptr, 53, picture, {10, 10, 18, 18}, {});
    auto* empty = new SplashView({5, 5, 9, 9}, nullptr, 53, missing, {10, 10, 10, 10}, {});
    picture->forget();
    missing->forget();
    frame->addView(refused);
    frame->addView(empty);

    press({7, 7});
    EXPECT_FALSE(empty->isShowing());
    EXPECT_EQ(empty->getValue(), 0.0f);
    EXPECT_EQ(frame->getModalView(), nullptr);

    // Only a view called directly can meet another modal view.
    test::RecordingView other({0, 0, 20, 20}, Black);
    frame->setModalView(&other);
    DrawContext context(frame.get(), nullptr, nullptr);
    Point where{2, 2};
    refused->mouseDown(context, where);
    EXPECT_EQ(refused->getValue(), 0.0f);
    EXPECT_EQ(refused->getSize(), Rect(0, 0, 4, 4));
    EXPECT_EQ(frame->getModalView(), &other);
    frame->setModalView(nullptr);

    // A value set from outside does not make a click restore a rectangle never saved.
    refused->setValue(1.0f);
    press({2, 2});
    EXPECT_TRUE(refused->isShowing());
    press({12, 12});
    EXPECT_EQ(refused->getSize(), Rect(0, 0, 4, 4));
}

} // namespace
} // namespace tarvolin
