// The further controls drawn by the raster back end, pixel by pixel against
// the pictures their values select.

#include "CommittedPictures.h"
#include "ControlScene.h"

#include "gui/DrawContext.h"
#include "gui/platform/headless/HeadlessHost.h"
#include "gui/platform/headless/HeadlessWindow.h"
#include "gui/platform/raster/RasterSurface.h"

#include <gtest/gtest.h>

#include <string_view>

namespace tarvolin {
namespace {

using namespace test::controls;
using platform::PixelBuffer;
using testing::committedPicture;
using testing::pixelsDiffering;

constexpr int kBackground = 128;

class ControlScenePixels : public ::testing::Test {
protected:
    ControlScenePixels() {
        test::addControlScene(frame, nullptr);
        host.child()->paint();
    }

    const PixelBuffer& drawn() const { return host.child()->pixels(); }
    // Pixels of rect that differ from the committed picture's, read from offset.
    int differing(const Rect& rect, int picture, Point offset) const {
        return pixelsDiffering(drawn(), rect, committedPicture(picture), offset);
    }
    // A fader's pixels outside its handle show its background picture, read from the offset.
    int differingAround(const Rect& control, const Rect& handle, Point offset) const {
        int count = 0;
        for (int v = control.top; v < control.bottom; ++v) {
            for (int h = control.left; h < control.right; ++h) {
                if (!Point(h, v).isInside(
                        {handle.left, handle.top, handle.right - 1, handle.bottom - 1})) {
                    const Point source{offset.h + h - control.left, offset.v + v - control.top};
                    count += drawn().at({h, v}) != committedPicture(kBackground).at(source);
                }
            }
        }
        return count;
    }

    platform::HeadlessHost host;
    Frame frame{{0, 0, test::kControlSceneWidth, test::kControlSceneHeight}, &host, nullptr};
};

TEST_F(ControlScenePixels, ButtonsAndStripsShowThePictureTheirValueSelects) {
    EXPECT_EQ(differing(kRocker, 132, {0, 68}), 0);
    EXPECT_EQ(differing(kIndicator, 134, {0, 2 * 34}), 0);
    EXPECT_EQ(differing(kLatch, 136, {0, 20}), 0);
    EXPECT_EQ(differing(kMomentary, 133, {0, 11}), 0);
    EXPECT_EQ(differing(kAnimation, 129, {0, 4 * 32}), 0);
    // 042: the strip's pictures 0, 4 and 2, two pixels apart.
    const int digits[] = {0, 4, 2};
    for (int i = 0; i < 3; ++i) {
        const Rect place{kDigits.left + 36 * i, kDigits.top, kDigits.left + 36 * i + kDigitWidth,
                         kDigits.bottom};
        EXPECT_EQ(differing(place, 129, {0, digits[i] * kDigitHeight}), 0) << i;
    }
}

TEST_F(ControlScenePixels, FaderHandlesSitWhereTheirValuesPutThem) {
    // Value 0.25 with 1 at the top: three quarters of the 78-pixel travel down.
    const Rect vertical{15, 60 + 58, 25, 60 + 58 + 22};
    EXPECT_EQ(differing(vertical, 133, {0, 0}), 0);
    EXPECT_EQ(differingAround(kVerticalFader, vertical, kVerticalFaderBackground), 0);
    // Value 0.5 with 0 at the left: half of the 110-pixel travel along.
    const Rect horizontal{40 + 55, 60, 40 + 65, 82};
    EXPECT_EQ(differing(horizontal, 133, {0, 0}), 0);
    EXPECT_EQ(differingAround(kHorizontalFader, horizontal, kHorizontalFaderBackground), 0);
}

TEST_F(ControlScenePixels, MeterLightsHalfOfItsLights) {
    // Three of six lights unlit: 51 of the 102 rows, from the top.
    EXPECT_EQ(differing({170, 60, 180, 111}, 131, {0, 0}), 0);
    EXPECT_EQ(differing({170, 111, 180, 162}, 132, {0, 51}), 0);
}

// The text a text control shows, drawn on its own ground with the same font.
PixelBuffer textAlone(const Rect& rect, Colour ground, std::string_view text, int font,
                      Colour colour, int alignment) {
    PixelBuffer pixels(rect.right + 2, rect.bottom + 2, ground);
    platform::RasterSurface surface(pixels);
    DrawContext context(nullptr, &surface, nullptr);
    context.setFont(font);
    context.setFontColour(colour);
    context.drawString(text, rect, false, alignment);
    return pixels;
}

TEST_F(ControlScenePixels, TextControlsShowTheirTextsInTheirFrames) {
    // The value display: "0.50" in white over its red shadow, in a yellow outline.
    const Rect& display = kValueDisplay;
    int outline = 0;
    for (int v = display.top; v <= display.bottom; ++v) {
        for (int h = display.left; h <= display.right; ++h) {
            const bool edge =
                v == display.top || v == display.bottom || h == display.left || h == display.right;
            outline += edge && drawn().colourAt({h, v}) == Yellow;
        }
    }
    EXPECT_EQ(outline, 2 * (display.width() + 1) + 2 * (display.height() - 1));
    const PixelBuffer white = textAlone(display, Black, "0.50", 3, White, AlignCenter);
    const PixelBuffer shadow =
        textAlone({display.left + 1, display.top + 1, display.right + 1, display.bottom + 1}, Black,
                  "0.50", 3, Red, AlignCenter);
    int wrong = 0;
    int ink = 0;
    for (int v = display.top + 1; v < display.bottom; ++v) {
        for (int h = display.left + 1; h < display.right; ++h) {
            const std::uint32_t expected =
                white.at({h, v}) != 0 ? white.at({h, v}) : shadow.at({h, v});
            wrong += drawn().at({h, v}) != expected;
            ink += white.at({h, v}) != 0;
        }
    }
    EXPECT_GT(ink, 20);
    EXPECT_EQ(wrong, 0);

    // The text field's two-tone frame: green left and top, blue right and bottom.
    const Rect& field = kTextField;
    EXPECT_EQ(drawn().colourAt({field.left, field.bottom}), Green);
    EXPECT_EQ(drawn().colourAt({field.right, field.top}), Green);
    EXPECT_EQ(drawn().colourAt({field.right, field.top + 1}), Blue);
    EXPECT_EQ(drawn().colourAt({field.left + 1, field.bottom}), Blue);

    // The pop-up choice shows its selected entry, aligned left.
    const Rect& choice = kPopupChoice;
    const PixelBuffer entry = textAlone(choice, Grey, "Triangle", 3, Black, AlignLeft);
    int entryWrong = 0;
    for (int v = choice.top + 1; v < choice.bottom; ++v) {
        for (int h = choice.left + 1; h < choice.right; ++h) {
            entryWrong += drawn().at({h, v}) != entry.at({h, v});
        }
    }
    EXPECT_EQ(entryWrong, 0);
    EXPECT_EQ(drawn().colourAt({choice.left, choice.top}), Grey);
    EXPECT_EQ(drawn().colourAt({choice.right, choice.bottom}), White);
}

} // namespace
} // namespace tarvolin
