// The text field and the pop-up choice on the X11 back end, which draws
// their edit field and menu itself, driven through XTest as a user drives them.

// GoogleTest comes before Xlib, whose macros (None, Bool) would break it.
#include <gtest/gtest.h>

#include "TestViews.h"
#include "X11TestDisplay.h"

#include "gui/Frame.h"
#include "gui/PopupChoice.h"
#include "gui/TextField.h"
#include "gui/platform/x11/MenuLayout.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <thread>

#include <poll.h>

namespace tarvolin {
namespace {

constexpr Point kCorner{60, 40};

void* asPointer(::Window window) {
    return reinterpret_cast<void*>(static_cast<std::uintptr_t>(window));
}

class X11TextControls : public ::testing::Test {
protected:
    ~X11TextControls() override { EXPECT_EQ(test::X11TestDisplay::strayErrors(), 0); }

    ::Window child() const {
        return static_cast<::Window>(reinterpret_cast<std::uintptr_t>(frame.getChildWindow()));
    }
    void clickAt(Point where) const {
        user.moveTo({kCorner.h + where.h, kCorner.v + where.v});
        user.button(Button1, true);
        user.button(Button1, false);
    }
    // The frame's idle passes, as the editor's idle runs them, until done.
    bool idleUntil(const std::function<bool()>& done) {
        for (int pass = 0; pass < 200 && !done(); ++pass) {
            frame.idle();
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return done();
    }
    ::Window focus() const {
        ::Window holder = None;
        int revert = 0;
        XGetInputFocus(user.display(), &holder, &revert);
        return holder;
    }

    test::X11TestDisplay user{test::XvfbServer::get()};
    ::Window host = user.openWindow({kCorner.h, kCorner.v, kCorner.h + 200, kCorner.v + 80});
    test::RecordingListener listener;
    Frame frame{Rect(0, 0, 200, 80), asPointer(host), nullptr};
};

TEST_F(X11TextControls, TypedTextEndsWithReturnAndTheFocusGoesBack) {
    auto* field = new TextField({10, 10, 150, 30}, &listener, 3, "", nullptr, 0);
    frame.addView(field);
    frame.idle();
    XSetInputFocus(user.display(), host, RevertToParent, CurrentTime);
    clickAt({20, 20});
    ASSERT_TRUE(idleUntil([&] { return field->isEditing(); }));
    EXPECT_EQ(focus(), child());

    for (const KeySym key : {XK_v, XK_o, XK_l, XK_2, XK_x, XK_BackSpace}) {
        user.tap(key);
    }
    // The field shows the typed text in place, over the control.
    ASSERT_TRUE(idleUntil([&] {
        return test::pixelsDiffering(*user.picture(child(), {11, 11, 150, 30}),
                                     platform::PixelBuffer(139, 19, White)) > 20;
    }));
    user.tap(XK_Return);
    ASSERT_TRUE(idleUntil([&] { return !field->isEditing(); }));
    EXPECT_STREQ(field->text(), "vol2");
    EXPECT_EQ(listener.tags, std::vector<int>{3});
    EXPECT_EQ(frame.getFocusView(), nullptr);
    EXPECT_EQ(focus(), host);
}

TEST_F(X11TextControls, EscapeOrAClickElsewhereEndsTheEditAndTellsNobody) {
    auto* field = new TextField({10, 10, 150, 30}, &listener, 3, "Tarvolin", nullptr, 0);
    frame.addView(field);
    frame.idle();
    XSetInputFocus(user.display(), host, RevertToParent, CurrentTime);
    clickAt({20, 20});
    ASSERT_TRUE(idleUntil([&] { return field->isEditing(); }));
    user.tap(XK_a);
    user.tap(XK_Escape);
    ASSERT_TRUE(idleUntil([&] { return !field->isEditing(); }));
    EXPECT_STREQ(field->text(), "Tarvolin");
    EXPECT_EQ(focus(), host);

    clickAt({20, 20});
    ASSERT_TRUE(idleUntil([&] { return field->isEditing(); }));
    clickAt({180, 60});
    ASSERT_TRUE(idleUntil([&] { return !field->isEditing(); }));
    EXPECT_STREQ(field->text(), "Tarvolin");
    EXPECT_TRUE(listener.tags.empty());
    EXPECT_EQ(focus(), host);
}

// The menu holds the pointer while it is open, so the user's hand is
// another thread, with a connection of its own made here, that waits to
// see the menu and then acts on it. It gives up after a few seconds, and then
// presses Escape, so that a menu that came late still closes.
class MenuUser {
public:
    using Act = std::function<void(const test::X11TestDisplay&, Point menuCorner)>;

    explicit MenuUser(Act act) {
        XSelectInput(hand.display(), DefaultRootWindow(hand.display()), SubstructureNotifyMask);
        hand.sync();
        thread = std::thread([this, act = std::move(act)] { waitAndAct(act); });
    }
    ~MenuUser() { thread.join(); }
    MenuUser(const MenuUser&) = delete;
    MenuUser& operator=(const MenuUser&) = delete;

private:
    void waitAndAct(const Act& act) const {
        pollfd input{ConnectionNumber(hand.display()), POLLIN, 0};
        for (int waits = 0; waits < 500; ++waits) {
            while (XPending(hand.display()) > 0) {
                XEvent event;
                XNextEvent(hand.display(), &event);
                if (event.type == MapNotify && event.xmap.override_redirect && menuHoldsTheHand()) {
                    act(hand, hand.rootPosition(event.xmap.window));
                    return;
                }
            }
            poll(&input, 1, 10);
        }
        hand.tap(XK_Escape);
    }

    // The menu grabs the pointer and the keyboard after it shows; input
    // before that would go elsewhere. A grab of the hand's own fails while
    // the menu's holds, and one that succeeds is let go at once (the menu
    // asks again).
    bool menuHoldsTheHand() const {
        Display* display = hand.display();
        const ::Window root = DefaultRootWindow(display);
        for (int tries = 0; tries < 200; ++tries) {
            const int pointer = XGrabPointer(display, root, False, ButtonPressMask, GrabModeAsync,
                                             GrabModeAsync, None, None, CurrentTime);
            const int keyboard =
                XGrabKeyboard(display, root, False, GrabModeAsync, GrabModeAsync, CurrentTime);
            XUngrabPointer(display, CurrentTime);
            XUngrabKeyboard(display, CurrentTime);
            hand.sync();
            if (pointer == AlreadyGrabbed && keyboard == AlreadyGrabbed) {
                return true;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
        return false;
    }

    test::X11TestDisplay hand{test::XvfbServer::get()};
    std::thread thread;
};

class X11PopupChoice : public X11TextControls {
protected:
    X11PopupChoice() {
        for (const char* entry : {"Sine", "-", "Triangle", "Saw"}) {
            choice->insertEntry(entry);
        }
        frame.addView(choice);
        frame.idle();
    }
    // The menu's layout, as the back end makes it for the same entries.
    static const platform::MenuLayout& layout() {
        static const platform::MenuEntry entries[] = {{"Sine"}, {"", true}, {"Triangle"}, {"Saw"}};
        static const platform::MenuLayout made(entries);
        return made;
    }
    static Point middleOf(Point corner, int line) {
        const Rect& area = layout().lineArea(line);
        return {corner.h + (area.left + area.right) / 2, corner.v + (area.top + area.bottom) / 2};
    }
    bool pointerIsFree() const {
        const bool free = XGrabPointer(user.display(), host, False, ButtonPressMask, GrabModeAsync,
                                       GrabModeAsync, None, None, CurrentTime) == GrabSuccess;
        XUngrabPointer(user.display(), CurrentTime);
        return free;
    }

    PopupChoice* choice =
        new PopupChoice({10, 40, 150, 60}, &listener, 5, nullptr, nullptr, kMenuChecksSelected);
};

TEST_F(X11PopupChoice, AnEntryClickedInTheMenuUnderTheControlIsSelected) {
    Point shownAt;
    {
        const MenuUser menuUser([&shownAt](const test::X11TestDisplay& hand, Point corner) {
            shownAt = corner;
            hand.moveTo(middleOf(corner, 2));
            hand.button(Button1, true);
            hand.button(Button1, false);
        });
        clickAt({20, 50});
        ASSERT_TRUE(idleUntil([&] { return !listener.tags.empty(); }));
    }
    EXPECT_EQ(shownAt, Point(kCorner.h + 10, kCorner.v + 60));
    EXPECT_EQ(choice->getSelected(), 2);
    EXPECT_EQ(listener.tags, std::vector<int>{5});
    EXPECT_FALSE(choice->isMenuOpen());
    EXPECT_TRUE(pointerIsFree());
}

TEST_F(X11PopupChoice, TheKeysWalkTheEntriesPastTheSeparator) {
    {
        const MenuUser menuUser([](const test::X11TestDisplay& hand, Point) {
            hand.tap(XK_Down);
            hand.tap(XK_Down);
            hand.tap(XK_Return);
        });
        clickAt({20, 50});
        ASSERT_TRUE(idleUntil([&] { return !listener.tags.empty(); }));
    }
    EXPECT_EQ(choice->getSelected(), 2);
    EXPECT_TRUE(pointerIsFree());
}

TEST_F(X11PopupChoice, APressOutsideTheMenuDismissesIt) {
    choice->setSelected(3);
    bool shown = false;
    {
        const MenuUser menuUser([&shown](const test::X11TestDisplay& hand, Point corner) {
            shown = true;
            hand.moveTo({corner.h + 300, corner.v + 300});
            hand.button(Button1, true);
            hand.button(Button1, false);
        });
        clickAt({20, 50});
        idleUntil([&] { return shown && !choice->isMenuOpen(); });
    }
    EXPECT_TRUE(shown);
    EXPECT_EQ(choice->getSelected(), 3);
    EXPECT_TRUE(listener.tags.empty());
    EXPECT_TRUE(pointerIsFree());
}

} // namespace
} // namespace tarvolin
