#pragma once

#include "gui/Geometry.h"

#include <array>

namespace tarvolin {

// The pictures of the editor, by resource number.
enum Picture : int {
    kBackgroundPicture = 128,
    kSmallKnobStrip = 129,
    kLargeKnobStrip = 130,
    kFourWaySelectorPicture = 131,
    kThreeWaySelectorPicture = 132,
    kSmallTogglePicture = 133,
    kFiveWaySelectorPicture = 135,
    kLargeTogglePicture = 136,
    kAboutPicture = 137,
};

// The order the editor loads its pictures in.
inline constexpr std::array<int, 9> kPictureLoadOrder{
    kBackgroundPicture,       kSmallKnobStrip,     kLargeKnobStrip,         kFourWaySelectorPicture,
    kThreeWaySelectorPicture, kSmallTogglePicture, kFiveWaySelectorPicture, kAboutPicture,
    kLargeTogglePicture,
};

enum class ControlKind {
    LargeKnob,
    SmallKnob,
    FourWaySelector,
    ThreeWaySelector,
    SmallToggle,
    FiveWaySelector,
    LargeToggle,
};

// A control of the editor: the parameter it edits (also its tag), its kind
// and the top-left corner of its rectangle.
struct ControlPlacement {
    int index;
    ControlKind kind;
    Point corner;
};

// Every control of the editor, in the order the editor makes them: later
// ones are drawn over and hit before earlier ones.
inline constexpr std::array<ControlPlacement, 43> kControlLayout{{
    {0, ControlKind::LargeKnob, {615, 18}},
    {28, ControlKind::SmallKnob, {453, 38}},
    {29, ControlKind::SmallKnob, {493, 38}},
    {30, ControlKind::SmallKnob, {533, 38}},
    {31, ControlKind::SmallKnob, {573, 38}},
    {34, ControlKind::SmallKnob, {453, 122}},
    {35, ControlKind::SmallKnob, {493, 122}},
    {36, ControlKind::SmallKnob, {533, 122}},
    {37, ControlKind::SmallKnob, {573, 122}},
    {14, ControlKind::SmallKnob, {453, 170}},
    {15, ControlKind::SmallKnob, {493, 170}},
    {33, ControlKind::SmallKnob, {533, 170}},
    {17, ControlKind::SmallKnob, {573, 170}},
    {43, ControlKind::SmallKnob, {613, 170}},
    {5, ControlKind::SmallKnob, {262, 122}},
    {7, ControlKind::SmallKnob, {262, 170}},
    {8, ControlKind::SmallKnob, {329, 38}},
    {9, ControlKind::SmallKnob, {329, 80}},
    {10, ControlKind::SmallKnob, {329, 122}},
    {12, ControlKind::SmallKnob, {388, 122}},
    {13, ControlKind::SmallKnob, {388, 170}},
    {2, ControlKind::SmallKnob, {329, 170}},
    {44, ControlKind::SmallKnob, {25, 266}},
    {1, ControlKind::SmallKnob, {121, 266}},
    {18, ControlKind::SmallKnob, {80, 38}},
    {19, ControlKind::SmallKnob, {195, 38}},
    {22, ControlKind::SmallToggle, {217, 21}},
    {23, ControlKind::SmallKnob, {80, 122}},
    {24, ControlKind::SmallKnob, {195, 122}},
    {27, ControlKind::SmallToggle, {217, 105}},
    {41, ControlKind::SmallKnob, {80, 208}},
    {42, ControlKind::SmallKnob, {121, 208}},
    {38, ControlKind::SmallKnob, {195, 208}},
    {11, ControlKind::FourWaySelector, {388, 42}},
    {6, ControlKind::FourWaySelector, {259, 42}},
    {20, ControlKind::FourWaySelector, {25, 25}},
    {25, ControlKind::FourWaySelector, {25, 110}},
    {16, ControlKind::ThreeWaySelector, {642, 123}},
    {26, ControlKind::ThreeWaySelector, {143, 123}},
    {39, ControlKind::ThreeWaySelector, {25, 208}},
    {40, ControlKind::SmallToggle, {167, 220}},
    {21, ControlKind::FiveWaySelector, {130, 50}},
    {45, ControlKind::LargeToggle, {584, 271}},
}};

// The background's width: the editor's, in logical pixels.
inline constexpr int kEditorWidth = 676;

// The about view: the name plate that opens it, its tag, and where the about
// picture shows over the editor.
inline constexpr Rect kAboutArea{259, 263, 509, 335};
inline constexpr int kAboutTag = 53;
inline constexpr Point kAboutPictureCorner{136, 40};

} // namespace tarvolin
