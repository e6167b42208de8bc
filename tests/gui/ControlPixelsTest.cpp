// The further controls drawn by the raster back end, pixel by pixel against
// the pictures their values select.

#include "CommittedPictures.h"
#include "ControlScene.h"

#include "gui/platform/headless/HeadlessHost.h"
#include "gui/platform/headless/HeadlessWindow.h"

#include <gtest/gtest.h>

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

TEST_F(ControlScenePixels, TextControlsDrawTheirFramesUpToTheirLastCoordinates) {
    // The text field's two-tone frame: green left and top, blue right and bottom.
    const Rect& field = kTextField;
    EXPECT_EQ(drawn().colourAt({field.left, field.bottom}), Green);
    EXPECT_EQ(drawn().colourAt({field.right, field.top}), Green);
    EXPECT_EQ(drawn().colourAt({field.right, field.top + 1}), Blue);
    EXPECT_EQ(drawn().colourAt({field.left + 1, field.bottom}), Blue);
    // The value display's outline in its frame colour.
    EXPECT_EQ(drawn().colourAt(kValueDisplay.topLeft()), Yellow);
    EXPECT_EQ(drawn().colourAt({kValueDisplay.right, kValueDisplay.bottom}), Yellow);
    EXPECT_EQ(drawn().colourAt({kValueDisplay.left + 1, kValueDisplay.top + 1}), Black);
}

} // namespace
} // namespace tarvolin
