// The value display, text field and pop-up choice on the headless platform,
// whose edit field and pop-up menu a test plays the user of.

#include "TestViews.h"

#include "gui/Frame.h"
#include "gui/MouseButtons.h"
#include "gui/PopupChoice.h"
#include "gui/TextField.h"
#include "gui/platform/headless/HeadlessEditField.h"
#include "gui/platform/headless/HeadlessHost.h"
#include "gui/platform/headless/HeadlessWindow.h"
#include "gui/platform/raster/RasterPicture.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <limits>
#include <memory>
#include <string>

namespace tarvolin {
namespace {

using platform::HeadlessHost;
using platform::PixelBuffer;
using platform::ShownMenu;

constexpr Rect kPlace{10, 10, 90, 30};

class TextControls : public ::testing::Test {
protected:
    template <typename Made> Made* add(Made* control) {
        frame->addView(control);
        return control;
    }
    // A plain left click, held for the click and let go after.
    void click(Point where, int buttons = ButtonLeft) {
        host.scriptMouse({{where, buttons}, {where, 0}});
        host.child()->press(where);
    }
    const PixelBuffer& pixels() const { return host.child()->pixels(); }

    HeadlessHost host;
    test::CountingEditor editor;
    test::RecordingListener listener;
    std::unique_ptr<Frame> frame = std::make_unique<Frame>(Rect(0, 0, 100, 40), &host, &editor);
};

// What a display looks like, drawn alone in a window of its own.
PixelBuffer looks(float value, ValueFormatter formatter) {
    HeadlessHost host;
    Frame frame(Rect(0, 0, 100, 40), &host, nullptr);
    auto* display = new ValueDisplay(kPlace, nullptr, 0);
    display->setValue(value);
    display->setValueFormatter(formatter);
    frame.addView(display);
    host.child()->paint();
    return host.child()->pixels();
}

void writesHalf(float, TextBuffer text) {
    std::strcpy(text.data(), "0.50");
}
void writesOne(float, TextBuffer text) {
    std::strcpy(text.data(), "1.00");
}
void writesShortOne(float, TextBuffer text) {
    std::strcpy(text.data(), "1.0");
}

TEST(ValueDisplay, ShowsTwoDecimalsUnlessAFormatterWrites) {
    EXPECT_EQ(looks(0.5f, nullptr), looks(0.0f, writesHalf));
    EXPECT_EQ(looks(1.0f, nullptr), looks(0.0f, writesOne));
    EXPECT_NE(looks(1.0f, nullptr), looks(0.0f, writesShortOne));
    // A formatter that fills the whole buffer without a terminator still draws its 255 bytes.
    const ValueFormatter runaway = [](float, TextBuffer buffer) {
        std::memset(buffer.data(), 'x', buffer.size());
    };
    EXPECT_EQ(looks(0.0f, runaway).width(), 100);
}

TEST_F(TextControls, OnlyAChangeOfRedGreenOrBlueForcesARedraw) {
    auto* display = add(new ValueDisplay(kPlace, nullptr, 0));
    display->setValue(0.5f);
    host.child()->paint();
    ASSERT_EQ(display->getDrawnValue(), 0.5f);
    display->setFontColour({255, 255, 255, 9});
    display->setFont(3);
    display->setAlignment(AlignCenter);
    EXPECT_EQ(display->getDrawnValue(), 0.5f);
    display->setFontColour(Yellow);
    EXPECT_EQ(display->getDrawnValue(), 0.6f);
    // Where a tenth is lost in the value's magnitude the redraw is still forced.
    for (const float large : {3.0e7f, std::numeric_limits<float>::infinity()}) {
        display->setValue(large);
        frame->idle();
        display->setFrameColour(display->getFrameColour().sameRgb(Red) ? Blue : Red);
        EXPECT_NE(display->getDrawnValue(), large);
        frame->idle();
        EXPECT_EQ(display->getDrawnValue(), large);
    }
}

TEST_F(TextControls, AClickOpensAnEditFieldThatReturnEnds) {
    auto* field = add(new TextField(kPlace, &listener, 4, "Cutoff", nullptr, 0));
    host.child()->paint();
    click({20, 20}, ButtonLeft | ModifierShift);
    EXPECT_EQ(host.editField(), nullptr);

    click({20, 20});
    platform::HeadlessEditField* edit = host.editField();
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->rect(), Rect(10, 10, 91, 31));
    EXPECT_EQ(edit->text(), "Cutoff");
    EXPECT_STREQ(edit->style().font.face, "Arial");
    EXPECT_EQ(edit->style().font.pixelHeight, 12);
    EXPECT_EQ(edit->style().font.weight, 400);
    EXPECT_TRUE(edit->hasFocus());
    EXPECT_EQ(frame->getFocusView(), field);
    // A second click on the open field opens nothing more.
    click({20, 20});
    EXPECT_EQ(host.editFieldCount(), 1);

    edit->type(" 2");
    edit->pressReturn();
    EXPECT_EQ(host.editFieldCount(), 0);
    EXPECT_STREQ(field->text(), "Cutoff 2");
    EXPECT_EQ(listener.tags, std::vector<int>{4});
    EXPECT_EQ(frame->getFocusView(), nullptr);
    // Ending what has ended already does nothing.
    field->releaseFocus();
    EXPECT_EQ(listener.tags.size(), 1u);

    // Unchanged, the listener hears nothing.
    click({20, 20});
    host.editField()->pressReturn();
    EXPECT_EQ(listener.tags.size(), 1u);
}

TEST_F(TextControls, LosingTheFocusOrAClickElsewhereEndsTheEdit) {
    auto* field = add(new TextField(kPlace, &listener, 4, nullptr, nullptr, 0));
    EXPECT_STREQ(field->text(), "");
    click({20, 20});
    host.editField()->type("a");
    host.editField()->moveFocusAway();
    EXPECT_STREQ(field->text(), "a");

    click({20, 20});
    host.editField()->type("b");
    click({95, 35});
    EXPECT_EQ(host.editFieldCount(), 0);
    EXPECT_STREQ(field->text(), "ab");
    EXPECT_EQ(listener.tags.size(), 2u);
}

TEST_F(TextControls, EveryTextKeepsWithinItsBuffer) {
    const std::string longText(300, 'w');
    auto* field = add(new TextField(kPlace, &listener, 4, longText.c_str(), nullptr, 0));
    EXPECT_EQ(std::strlen(field->text()), 255u);
    field->setText(nullptr);
    EXPECT_EQ(std::strlen(field->text()), 255u);
    field->setText("short");
    std::array<char, kTextCapacity> copy{};
    field->getText(copy);
    EXPECT_STREQ(copy.data(), "short");

    click({20, 20});
    host.editField()->type(longText);
    host.editField()->pressReturn();
    // The field's text is read with room for 254 bytes.
    EXPECT_EQ(std::strlen(field->text()), 254u);

    auto* choice = add(new PopupChoice(kPlace, &listener, 5, nullptr, nullptr, 0));
    ASSERT_TRUE(choice->insertEntry(longText.c_str()));
    std::array<char, 300> entry{};
    ASSERT_TRUE(choice->getEntryText(0, entry));
    EXPECT_EQ(std::strlen(entry.data()), 255u);
    char small[4];
    EXPECT_EQ(choice->getSelected(small), 0);
    EXPECT_STREQ(small, "www");
}

TEST_F(TextControls, AListenerMayCloseTheFrameWhenAnEditEndsOrAnEntryIsChosen) {
    test::ClosingListener closing(frame);
    add(new TextField(kPlace, &closing, 4, "x", nullptr, 0));
    click({20, 20});
    host.editField()->type("y");
    host.editField()->pressReturn();
    EXPECT_EQ(frame, nullptr);
    EXPECT_EQ(host.editFieldCount(), 0);

    // The same when a click elsewhere ends the edit.
    frame = std::make_unique<Frame>(Rect(0, 0, 100, 40), &host, &editor);
    add(new TextField(kPlace, &closing, 4, "x", nullptr, 0));
    click({20, 20});
    host.editField()->type("y");
    click({95, 35});
    EXPECT_EQ(frame, nullptr);

    frame = std::make_unique<Frame>(Rect(0, 0, 100, 40), &host, &editor);
    auto* choice = add(new PopupChoice(kPlace, &closing, 5, nullptr, nullptr, 0));
    choice->insertEntry("a");
    host.answerMenus([](const ShownMenu&) { return 0; });
    click({20, 20});
    EXPECT_EQ(frame, nullptr);
}

class PopupChoices : public TextControls {
protected:
    PopupChoice* choice = add(new PopupChoice(kPlace, &listener, 6, nullptr, nullptr, 0));

    void fill(std::initializer_list<const char*> texts) {
        for (const char* text : texts) {
            ASSERT_TRUE(choice->insertEntry(text));
        }
    }
    void answer(int index) {
        host.answerMenus([index](const ShownMenu&) { return index; });
    }
};

TEST_F(PopupChoices, SeparatorsShowInTheMenuAndCannotBeSelected) {
    fill({"a", "-", "b"});
    EXPECT_FALSE(choice->setSelected(1));
    EXPECT_FALSE(choice->setSelected(3));
    EXPECT_FALSE(choice->setSelected(-1));
    EXPECT_TRUE(choice->setSelected(2));
    click({20, 20});
    ASSERT_EQ(host.menusShown().size(), 1u);
    const ShownMenu& menu = host.menusShown()[0];
    ASSERT_EQ(menu.lines.size(), 3u);
    EXPECT_FALSE(menu.lines[0].separator);
    EXPECT_TRUE(menu.lines[1].separator);
    EXPECT_EQ(menu.lines[2].text, "b");
    // Marks only with the style that asks for them.
    EXPECT_FALSE(menu.lines[2].checked);
}

TEST_F(PopupChoices, InsertingAndDeletingKeepTheSameEntrySelected) {
    fill({"a", "b"});
    EXPECT_EQ(choice->getSelected(), 0);
    ASSERT_TRUE(choice->insertEntry("first", 0));
    EXPECT_EQ(choice->getSelected(), 1);
    // Beyond the end, as at the end.
    ASSERT_TRUE(choice->insertEntry("last", 9));
    std::array<char, kTextCapacity> text{};
    ASSERT_TRUE(choice->getEntryText(3, text));
    EXPECT_STREQ(text.data(), "last");
    EXPECT_FALSE(choice->insertEntry(nullptr));

    ASSERT_TRUE(choice->setSelected(0));
    // Taking away the selected first entry selects the next, not nothing.
    ASSERT_TRUE(choice->deleteEntry(0));
    EXPECT_EQ(choice->getSelected(text), 0);
    EXPECT_STREQ(text.data(), "a");
    EXPECT_FALSE(choice->deleteEntry(3));
    choice->deleteAllEntries();
    EXPECT_EQ(choice->getSelected(), -1);
    ASSERT_TRUE(choice->insertEntry("only"));
    ASSERT_TRUE(choice->deleteEntry(0));
    EXPECT_EQ(choice->getSelected(), -1);

    for (int i = 0; i < PopupChoice::kMaxEntries; ++i) {
        ASSERT_TRUE(choice->insertEntry("e"));
    }
    EXPECT_FALSE(choice->insertEntry("one too many"));
    EXPECT_EQ(choice->getEntryCount(), PopupChoice::kMaxEntries);
}

TEST_F(PopupChoices, AChosenEntryIsSelectedAndTold) {
    fill({"a", "b", "c"});
    host.setScreenOrigin({300, 200});
    answer(2);
    click({20, 20});
    EXPECT_EQ(host.menusShown().back().position, Point(310, 230));
    EXPECT_EQ(choice->getSelected(), 2);
    EXPECT_EQ(listener.tags, std::vector<int>{6});
    EXPECT_EQ(frame->getFocusView(), nullptr);
    // Chosen again, told again.
    click({20, 20});
    EXPECT_EQ(listener.tags.size(), 2u);
    // Only a plain left click opens the menu.
    click({20, 20}, ButtonRight);
    EXPECT_EQ(host.menusShown().size(), 2u);
}

TEST_F(PopupChoices, AnswersThatAreNoEntryOfTheListNowChangeNothing) {
    fill({"a", "-", "b"});
    for (const int answer : {1, 3, -1, -5, 65536 + 2}) {
        host.answerMenus([answer](const ShownMenu&) { return answer; });
        click({20, 20});
        EXPECT_EQ(choice->getSelected(), 0) << answer;
    }
    // Entries taken away while the menu is open are no answer.
    host.answerMenus([this](const ShownMenu&) {
        choice->deleteEntry(2);
        return 2;
    });
    click({20, 20});
    EXPECT_EQ(choice->getSelected(), 0);
    EXPECT_TRUE(listener.tags.empty());
}

TEST(PopupChoiceStyles, MarksTheSelectedEntryAndOpensAtTheTopWhenAsked) {
    HeadlessHost host;
    Frame frame(Rect(0, 0, 100, 40), &host, nullptr);
    PixelBuffer open(80, 20, Magenta);
    auto* openPicture = new Bitmap(0, std::make_unique<platform::RasterPicture>(open));
    auto* choice =
        new PopupChoice(kPlace, nullptr, 7, nullptr, openPicture, kMenuChecksSelected | kMenuAtTop);
    openPicture->forget();
    frame.addView(choice);
    choice->insertEntry("a");
    choice->insertEntry("b");
    choice->setSelected(1);
    host.child()->paint();
    Colour whileOpen;
    host.answerMenus([&](const ShownMenu&) {
        whileOpen = host.child()->pixels().colourAt({12, 12});
        return platform::kNoMenuChoice;
    });
    host.scriptMouse({{{20, 20}, ButtonLeft}, {{20, 20}, 0}});
    host.child()->press({20, 20});

    const ShownMenu& menu = host.menusShown().back();
    EXPECT_EQ(menu.position, Point(10, 10));
    EXPECT_FALSE(menu.lines[0].checked);
    EXPECT_TRUE(menu.lines[1].checked);
    // The open picture shows while the menu is open and goes with it, chosen or not.
    EXPECT_EQ(whileOpen, Magenta);
    EXPECT_EQ(host.child()->pixels().colourAt({12, 12}), Black);
}

TEST_F(PopupChoices, AFrameClosedWhileTheMenuIsOpenIsLeftAlone) {
    fill({"a", "b"});
    host.answerMenus([this](const ShownMenu&) {
        frame.reset();
        return 1;
    });
    click({20, 20});
    EXPECT_EQ(frame, nullptr);
    EXPECT_TRUE(listener.tags.empty());
}

} // namespace
} // namespace tarvolin
