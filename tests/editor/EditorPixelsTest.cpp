// The editor's picture against the committed pictures: every control shows
// the image its value selects, and the background everything else.

#include "EditorControls.h"
#include "EditorSession.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace tarvolin {
namespace {

using testing::EditorSession;
using testing::imageOf;

struct Shown {
    int index;
    float value;
    int image;
};

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInfinity = std::numeric_limits<float>::infinity();

// Values from hosts, inside and outside 0..1, with the image each must show.
const Shown kSecondSet[] = {
    {0, 1.7f, 36}, // the large strip's last frame, two rows short
    {1, 0.25f, 9},       {2, 0.999f, 35},  {5, 0.8333333f, 30}, // 29 in double precision
    {7, -0.2f, 0},       {8, kNaN, 0},     {9, kInfinity, 36},   {10, 1e30f, 36},
    {6, 1.0f / 3.0f, 1}, {11, 0.3333f, 0}, {20, 2.0f / 3.0f, 2}, {25, kNaN, 0},
    {16, 0.5f, 1},       {26, 1e30f, 2},   {39, -5.0f, 0},       {21, 0.75f, 3},
    {22, 0.5f, 1},       {27, kNaN, 0},    {40, 1.7f, 1},        {45, 1.0f, 1},
};

void expectBackgroundElsewhere(const platform::PixelBuffer& drawn, int scale) {
    const platform::PixelBuffer& background = testing::committedPicture(128, scale);
    int differing = 0;
    for (int v = 0; v < background.height(); ++v) {
        for (int h = 0; h < background.width(); ++h) {
            bool inControl = false;
            for (const ControlPlacement& placement : kControlLayout) {
                const Rect rect = toDevice(testing::rectOf(placement), scale);
                inControl |= h >= rect.left && h < rect.right && v >= rect.top && v < rect.bottom;
            }
            differing += !inControl && drawn.at({h, v}) != background.at({h, v});
        }
    }
    EXPECT_EQ(differing, 0);
}

// At scale 2 the host's window is on a screen of high density: the editor
// shows the pictures drawn at twice the resolution, the same images of them.
class EditorPixels : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override { session.window.setDisplayScale(GetParam()); }
    EditorSession session;
};

TEST_P(EditorPixels, DefaultsShowTheirImagesOnTheBackground) {
    ASSERT_EQ(session.open(), 1);
    const int scale = GetParam();
    ASSERT_EQ(session.pixels().width(), 676 * scale);
    ASSERT_EQ(session.pixels().height(), 345 * scale);
    for (const ControlPlacement& placement : kControlLayout) {
        const float value = session.plugin.getParameter(placement.index);
        const int images = testing::lookOf(placement.kind).images;
        // The defaults are 0, 0.5 and 1, which no rounding can move.
        EXPECT_EQ(imageOf(session.pixels(), placement.index, scale),
                  static_cast<int>(std::floor(value * static_cast<float>(images - 1))))
            << "parameter " << placement.index;
    }
    expectBackgroundElsewhere(session.pixels(), scale);
}

TEST_P(EditorPixels, AnotherChannelsHostileValuesStayInsideTheirPictures) {
    session.plugin.setParameter(50, 7.0f / 15.0f);
    for (const Shown& shown : kSecondSet) {
        session.plugin.setParameter(shown.index, shown.value);
    }
    ASSERT_EQ(session.open(), 1);
    for (const Shown& shown : kSecondSet) {
        EXPECT_EQ(imageOf(session.pixels(), shown.index, GetParam()), shown.image)
            << "parameter " << shown.index << " at " << shown.value;
    }
    expectBackgroundElsewhere(session.pixels(), GetParam());
}

INSTANTIATE_TEST_SUITE_P(Scales, EditorPixels, ::testing::Values(1, 2));

} // namespace
} // namespace tarvolin
