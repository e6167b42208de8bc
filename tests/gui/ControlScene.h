#pragma once

#include "TestScene.h"

#include "gui/ControlListener.h"
#include "gui/Frame.h"

#include <span>

namespace tarvolin::test {

// One of each further control of the toolkit, drawn from the project's
// pictures at values that pick known pictures, over the editor's background:
// the raster back end's drawing is compared with those pictures, and Windows
// compares its drawing with the raster back end's.
inline constexpr int kControlSceneWidth = 320;
inline constexpr int kControlSceneHeight = 200;

// Where each control lies and what it shows.
namespace controls {
inline constexpr Rect kRocker{10, 10, 20, 44};      // picture 132, right pressed
inline constexpr Rect kIndicator{30, 10, 40, 44};   // picture 134, value 0.49 of 5
inline constexpr Rect kLatch{50, 10, 125, 30};      // picture 136, on
inline constexpr Rect kMomentary{135, 10, 145, 21}; // picture 133, on
inline constexpr Rect kAnimation{155, 10, 189, 42}; // picture 129, open at picture 4
inline constexpr Rect kDigits{200, 10, 306, 42};    // picture 129's first ten as digits, 042
inline constexpr int kDigitWidth = 34;
inline constexpr int kDigitHeight = 32;
inline constexpr Rect kVerticalFader{10, 60, 30, 160}; // handle 133, value 0.25, top is 1
inline constexpr Point kVerticalFaderBackground{400, 100};
inline constexpr Rect kHorizontalFader{40, 60, 160, 82}; // handle 133, value 0.5
inline constexpr Point kHorizontalFaderBackground{300, 200};
inline constexpr Rect kMeter{170, 60, 180, 162};         // on 132, off 131, 6 lights, value 0.5
inline constexpr Rect kValueDisplay{190, 110, 250, 130}; // 0.50, shadowed
inline constexpr Rect kTextField{190, 140, 310, 160};    // "Tarvolin", two-tone frame
inline constexpr Rect kPopupChoice{190, 170, 310, 190};  // "Triangle" of three
} // namespace controls

// Sets the background and adds the controls to the frame.
void addControlScene(Frame& frame, ControlListener* listener);

// The rectangles to compare, with how closely.
struct ControlCell {
    const char* name;
    Rect cell;
    Agreement agreement;
    int tolerance;
};
std::span<const ControlCell> controlCells();

} // namespace tarvolin::test
