// Clicks and drags on the editor of the headless module, through the same
// mouse path a window's button message takes.

#include "EditorSession.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tarvolin {
namespace {

using testing::EditorSession;

// A screen's density and where inside a logical pixel's device pixels the
// mouse is: at scale 2 every click and drag lands on the first or the last
// device pixel of the logical point named, and must act as that point does at 1.
struct Density {
    int scale;
    int within;
};

class EditorMouse : public ::testing::TestWithParam<Density> {
protected:
    void SetUp() override {
        session.window.setDisplayScale(GetParam().scale);
        ASSERT_EQ(session.open(), 1);
    }

    Point device(Point logical) const {
        const Point corner = toDevice(logical, GetParam().scale);
        return {corner.h + GetParam().within, corner.v + GetParam().within};
    }
    void click(Point logical, int buttons = ButtonLeft) { session.click(device(logical), buttons); }
    void drag(Point logical, std::initializer_list<Point> path) {
        std::vector<Point> devicePath;
        for (const Point point : path) {
            devicePath.push_back(device(point));
        }
        session.drag(device(logical), devicePath);
    }
    float after(Point logical, VstInt32 index, int buttons = ButtonLeft) {
        click(logical, buttons);
        return session.plugin.getParameter(index);
    }

    EditorSession session;
};

// The cutoff knob: 34 pixels wide at (453, 170), turning around (470, 187).
constexpr int kCutoff = 14;
constexpr Point kCentre{470, 187};
Point fromCentre(int right, int down) {
    return {kCentre.h + right, kCentre.v + down};
}

TEST_P(EditorMouse, KnobTakesTheValueOfTheMousesAngle) {
    EXPECT_NEAR(after(kCentre, kCutoff), 0.5f, 1e-6f);
    EXPECT_NEAR(after(fromCentre(17, 0), kCutoff), 1.0f - 0.125f * 4.0f / 3.0f, 1e-6f);
    EXPECT_NEAR(after(fromCentre(0, -17), kCutoff), 0.5f, 1e-6f);
    EXPECT_NEAR(after(fromCentre(-17, 0), kCutoff), 1.0f / 6.0f, 1e-6f);
    EXPECT_NEAR(after(fromCentre(10, -10), kCutoff), 2.0f / 3.0f, 1e-6f);
    EXPECT_NEAR(after(fromCentre(-10, -10), kCutoff), 1.0f / 3.0f, 1e-6f);
    // The ends of the arc at 4:30 and 7:30.
    EXPECT_EQ(after(fromCentre(10, 10), kCutoff), 1.0f);
    EXPECT_EQ(after(fromCentre(-10, 10), kCutoff), 0.0f);
}

TEST_P(EditorMouse, TheGapAtTheBottomSplitsBetweenTheEnds) {
    EXPECT_EQ(after(fromCentre(0, 15), kCutoff), 1.0f);
    EXPECT_EQ(after(fromCentre(-1, 15), kCutoff), 0.0f);
    EXPECT_EQ(after(fromCentre(1, 15), kCutoff), 1.0f);
    EXPECT_EQ(after(fromCentre(-9, 10), kCutoff), 0.0f);
    // Just beyond the gap on either side the arc begins again.
    EXPECT_NEAR(after(fromCentre(11, 10), kCutoff), 1.0f, 0.05f);
    EXPECT_LT(after(fromCentre(11, 10), kCutoff), 1.0f);
    EXPECT_NEAR(after(fromCentre(-11, 10), kCutoff), 0.0f, 0.05f);
    EXPECT_GT(after(fromCentre(-11, 10), kCutoff), 0.0f);
}

TEST_P(EditorMouse, DragFollowsTheAngleFarOutsideTheKnob) {
    drag(kCentre, {fromCentre(400, 0), fromCentre(-300, -300), fromCentre(0, -900)});
    const auto automations = session.automations();
    ASSERT_EQ(automations.size(), 4u);
    EXPECT_NEAR(automations[1].opt, 1.0f - 0.125f * 4.0f / 3.0f, 1e-6f);
    EXPECT_NEAR(automations[2].opt, 1.0f / 3.0f, 1e-6f);
    EXPECT_NEAR(automations[3].opt, 0.5f, 1e-6f);
    EXPECT_NEAR(session.plugin.getParameter(kCutoff), 0.5f, 1e-6f);
}

TEST_P(EditorMouse, AltClickResetsAKnobToTheMiddle) {
    session.plugin.setParameter(kCutoff, 0.9f);
    session.idle();
    EXPECT_NEAR(after(fromCentre(10, 10), kCutoff, ButtonLeft | ModifierAlt), 0.5f, 0.0f);
}

struct Zone {
    int first;
    int last;
    float value;
};

TEST_P(EditorMouse, SelectorsChooseByPixelZones) {
    // Clicks the first and the last pixel of every zone along a selector.
    const auto expectZones = [this](VstInt32 index, Point corner, bool horizontal,
                                    std::initializer_list<Zone> zones) {
        for (const Zone& zone : zones) {
            for (const int offset : {zone.first, zone.last}) {
                const Point at = horizontal ? Point(corner.h + offset, corner.v + 5)
                                            : Point(corner.h + 5, corner.v + offset);
                EXPECT_EQ(after(at, index), zone.value)
                    << "parameter " << index << " at offset " << offset;
            }
        }
    };
    expectZones(6, {259, 42}, false,
                {{0, 10, 0.0f}, {11, 22, 1.0f / 3.0f}, {23, 33, 2.0f / 3.0f}, {34, 46, 1.0f}});
    expectZones(16, {642, 123}, false, {{0, 10, 0.0f}, {11, 21, 0.5f}, {22, 34, 1.0f}});
    expectZones(21, {130, 50}, true,
                {{0, 10, 0.0f}, {11, 20, 0.25f}, {21, 30, 0.5f}, {31, 40, 0.75f}, {41, 50, 1.0f}});
}

TEST_P(EditorMouse, SelectorDragLeavingTheControlEndsAtTheOuterPositions) {
    drag({264, 60}, {{264, 0}});
    EXPECT_EQ(session.plugin.getParameter(6), 0.0f);
    drag({264, 60}, {{900, 300}});
    EXPECT_EQ(session.plugin.getParameter(6), 1.0f);
    EXPECT_EQ(after({264, 60}, 6, ButtonLeft | ModifierAlt), 0.0f);
}

TEST_P(EditorMouse, TogglesFlipByTheirTruncatedValue) {
    constexpr Point kLfoRestart{222, 26};
    session.plugin.setParameter(22, 0.5f);
    session.idle();
    EXPECT_EQ(after(kLfoRestart, 22), 1.0f);
    EXPECT_EQ(after(kLfoRestart, 22), 0.0f);
    session.plugin.setParameter(22, 1.7f);
    session.idle();
    EXPECT_EQ(after(kLfoRestart, 22, ButtonRight | ModifierAlt), 0.0f);
}

INSTANTIATE_TEST_SUITE_P(Screens, EditorMouse,
                         ::testing::Values(Density{1, 0}, Density{2, 0}, Density{2, 1}),
                         [](const auto& info) {
                             return "Scale" + std::to_string(info.param.scale) + "Pixel" +
                                    std::to_string(info.param.within);
                         });

} // namespace
} // namespace tarvolin
