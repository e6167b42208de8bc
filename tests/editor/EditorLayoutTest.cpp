// The editor built in this program, so that its frame can be looked into.

#include "RecordingHost.h"

#include "editor/AboutView.h"
#include "gui/Bitmap.h"
#include "gui/Frame.h"
#include "gui/Knobs.h"
#include "gui/Switches.h"
#include "gui/platform/headless/HeadlessHost.h"
#include "shell/SynthPluginGui.h"
#include "shell/VstEditor.h"

#include <gtest/gtest.h>

#include <map>
#include <typeinfo>

namespace tarvolin {
namespace {

struct Shape {
    const std::type_info& type;
    int width;
    int height;
};
const Shape kLargeKnob{typeid(StripKnob), 46, 50};
const Shape kSmallKnob{typeid(StripKnob), 34, 32};
const Shape kFourWay{typeid(VerticalSelector), 10, 46};
const Shape kThreeWay{typeid(VerticalSelector), 10, 34};
const Shape kToggle{typeid(ToggleButton), 10, 11};
const Shape kFiveWay{typeid(HorizontalSelector), 50, 10};
const Shape kLearn{typeid(ToggleButton), 75, 20};

struct Placement {
    const Shape& shape;
    int x;
    int y;
};

// The layout by parameter index, as the musician sees it.
const std::map<int, Placement> kLayout{
    {0, {kLargeKnob, 615, 18}},   {1, {kSmallKnob, 121, 266}},  {2, {kSmallKnob, 329, 170}},
    {5, {kSmallKnob, 262, 122}},  {6, {kFourWay, 259, 42}},     {7, {kSmallKnob, 262, 170}},
    {8, {kSmallKnob, 329, 38}},   {9, {kSmallKnob, 329, 80}},   {10, {kSmallKnob, 329, 122}},
    {11, {kFourWay, 388, 42}},    {12, {kSmallKnob, 388, 122}}, {13, {kSmallKnob, 388, 170}},
    {14, {kSmallKnob, 453, 170}}, {15, {kSmallKnob, 493, 170}}, {16, {kThreeWay, 642, 123}},
    {17, {kSmallKnob, 573, 170}}, {18, {kSmallKnob, 80, 38}},   {19, {kSmallKnob, 195, 38}},
    {20, {kFourWay, 25, 25}},     {21, {kFiveWay, 130, 50}},    {22, {kToggle, 217, 21}},
    {23, {kSmallKnob, 80, 122}},  {24, {kSmallKnob, 195, 122}}, {25, {kFourWay, 25, 110}},
    {26, {kThreeWay, 143, 123}},  {27, {kToggle, 217, 105}},    {28, {kSmallKnob, 453, 38}},
    {29, {kSmallKnob, 493, 38}},  {30, {kSmallKnob, 533, 38}},  {31, {kSmallKnob, 573, 38}},
    {33, {kSmallKnob, 533, 170}}, {34, {kSmallKnob, 453, 122}}, {35, {kSmallKnob, 493, 122}},
    {36, {kSmallKnob, 533, 122}}, {37, {kSmallKnob, 573, 122}}, {38, {kSmallKnob, 195, 208}},
    {39, {kThreeWay, 25, 208}},   {40, {kToggle, 167, 220}},    {41, {kSmallKnob, 80, 208}},
    {42, {kSmallKnob, 121, 208}}, {43, {kSmallKnob, 613, 170}}, {44, {kSmallKnob, 25, 266}},
    {45, {kLearn, 584, 271}},
};

const int kConstructionOrder[] = {0,  28, 29, 30, 31, 34, 35, 36, 37, 14, 15, 33, 17, 43, 5,
                                  7,  8,  9,  10, 12, 13, 2,  44, 1,  18, 19, 22, 23, 24, 27,
                                  41, 42, 38, 11, 6,  20, 25, 16, 26, 39, 40, 21, 45};

class EditorLayout : public ::testing::Test {
protected:
    testing::RecordingHost recorder;
    platform::HeadlessHost window;
    SynthPluginGui plugin{testing::RecordingHost::callback(), &createVstEditor};

    VstIntPtr dispatch(VstInt32 opcode, void* ptr = nullptr) {
        return plugin.dispatcher(opcode, 0, 0, ptr, 0.0f);
    }
    VstEditor* editor() const { return static_cast<VstEditor*>(plugin.getEditor()); }
    Frame* frame() const { return editor()->getFrame(); }
};

TEST_F(EditorLayout, TheHostSeesTheEditorAndItsSizeBeforeItOpens) {
    EXPECT_EQ(plugin.getAeffect()->flags,
              effFlagsHasEditor | effFlagsCanReplacing | effFlagsProgramChunks | effFlagsIsSynth);
    ERect* size = nullptr;
    ASSERT_EQ(dispatch(effEditGetRect, &size), 1);
    ASSERT_NE(size, nullptr);
    EXPECT_EQ(size->top, 0);
    EXPECT_EQ(size->left, 0);
    EXPECT_EQ(size->bottom, 345);
    EXPECT_EQ(size->right, 676);
}

TEST_F(EditorLayout, FrameHoldsTheControlsInOrderAndTheAboutViewLast) {
    ASSERT_EQ(dispatch(effEditOpen, &window), 1);
    ASSERT_EQ(frame()->getViewCount(), 44);
    EXPECT_EQ(frame()->getSize(), Rect(0, 0, 676, 345));
    ASSERT_NE(frame()->getBackground(), nullptr);
    EXPECT_EQ(frame()->getBackground()->getResourceNumber(), 128);
    for (int i = 0; i < 43; ++i) {
        const int index = kConstructionOrder[i];
        const Placement& expected = kLayout.at(index);
        const auto* control = dynamic_cast<const Control*>(frame()->getView(i));
        ASSERT_NE(control, nullptr) << i;
        EXPECT_EQ(control->getTag(), index);
        EXPECT_EQ(typeid(*control), expected.shape.type) << index;
        EXPECT_EQ(control->getSize(),
                  Rect(expected.x, expected.y, expected.x + expected.shape.width,
                       expected.y + expected.shape.height))
            << index;
    }
    const auto* about = dynamic_cast<const AboutView*>(frame()->getView(43));
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->getTag(), 53);
    EXPECT_EQ(about->getSize(), Rect(259, 263, 509, 335));
    EXPECT_EQ(about->getDisplayRect(), Rect(136, 40, 536, 307));
}

TEST_F(EditorLayout, ReopeningBuildsTheFrameAfreshAtTheCurrentValues) {
    ASSERT_EQ(dispatch(effEditOpen, &window), 1);
    dispatch(effEditClose);
    EXPECT_EQ(frame(), nullptr);
    plugin.setParameter(14, 0.25f);
    ASSERT_EQ(dispatch(effEditOpen, &window), 1);
    EXPECT_EQ(frame()->getViewCount(), 44);
    EXPECT_EQ(editor()->synthEditor().getControl(14)->getValue(), 0.25f);
}

} // namespace
} // namespace tarvolin
