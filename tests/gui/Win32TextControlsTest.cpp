// The text field's native edit window and the pop-up choice's native menu,
// driven with synthetic input as a user drives them.

#include "TestViews.h"
#include "Win32TestSupport.h"

#include "gui/Frame.h"
#include "gui/PopupChoice.h"
#include "gui/TextField.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace tarvolin {
namespace {

constexpr int kLeft = 60;
constexpr int kTop = 40;

void sendButton(DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof input);
}

void sendKey(WORD key) {
    INPUT strokes[2]{};
    strokes[0].type = INPUT_KEYBOARD;
    strokes[0].ki.wVk = key;
    strokes[1] = strokes[0];
    strokes[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, strokes, sizeof strokes[0]);
}

// Input reaches the windows through the message queue, in its own time.
bool dispatchUntil(const std::function<bool()>& done) {
    for (int wait = 0; wait < 300; ++wait) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        if (done()) {
            return true;
        }
        Sleep(10);
    }
    return false;
}

std::string windowText(HWND window) {
    char text[256] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

class TextControlsInWindow : public ::testing::Test {
protected:
    TextControlsInWindow() {
        test::paintAndDispatch(host.handle());
        SetForegroundWindow(host.handle());
    }
    ~TextControlsInWindow() override { sendButton(MOUSEEVENTF_LEFTUP); }

    HWND child() const { return static_cast<HWND>(frame.getChildWindow()); }
    // Presses the left button over the point of the frame and keeps it down.
    void pressAt(Point where) {
        SetCursorPos(kLeft + where.h, kTop + where.v);
        sendButton(MOUSEEVENTF_LEFTDOWN);
    }

    test::HostWindow host{kLeft, kTop, 200, 80};
    Frame frame{Rect(0, 0, 200, 80), host.handle(), nullptr};
    test::RecordingListener listener;
};

TEST_F(TextControlsInWindow, TypedTextEndsWithReturnAndReachesTheControl) {
    auto* field = new TextField({10, 10, 150, 30}, &listener, 3, "", nullptr, 0);
    frame.addView(field);
    pressAt({20, 20});
    ASSERT_TRUE(dispatchUntil([field] { return field->isEditing(); }));
    sendButton(MOUSEEVENTF_LEFTUP);
    HWND edit = FindWindowExA(child(), nullptr, "EDIT", nullptr);
    ASSERT_NE(edit, nullptr);
    RECT placed{};
    GetWindowRect(edit, &placed);
    EXPECT_EQ(placed.left, kLeft + 10);
    EXPECT_EQ(placed.right - placed.left, 141);
    EXPECT_EQ(placed.bottom - placed.top, 21);
    ASSERT_TRUE(dispatchUntil([edit] { return GetFocus() == edit; }));

    for (const WORD key : {'V', 'O', 'L', '2'}) {
        sendKey(key);
    }
    ASSERT_TRUE(dispatchUntil([edit] { return windowText(edit) == "vol2"; })) << windowText(edit);
    sendKey(VK_RETURN);
    ASSERT_TRUE(dispatchUntil([field] { return !field->isEditing(); }));

    EXPECT_STREQ(field->text(), "vol2");
    // The window's going made it lose the focus too, and yet the edit ended once.
    EXPECT_EQ(listener.tags, std::vector<int>{3});
    EXPECT_EQ(FindWindowExA(child(), nullptr, "EDIT", nullptr), nullptr);
    EXPECT_EQ(frame.getFocusView(), nullptr);
}

TEST_F(TextControlsInWindow, AClickElsewhereEndsTheEditUnchangedAndTellsNobody) {
    auto* field = new TextField({10, 10, 150, 30}, &listener, 3, "Tarvolin", nullptr, 0);
    frame.addView(field);
    pressAt({20, 20});
    ASSERT_TRUE(dispatchUntil([field] { return field->isEditing(); }));
    sendButton(MOUSEEVENTF_LEFTUP);
    HWND edit = FindWindowExA(child(), nullptr, "EDIT", nullptr);
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(windowText(edit), "Tarvolin");
    pressAt({180, 60});
    ASSERT_TRUE(dispatchUntil([field] { return !field->isEditing(); }));
    EXPECT_STREQ(field->text(), "Tarvolin");
    EXPECT_TRUE(listener.tags.empty());
}

TEST_F(TextControlsInWindow, AHostClosingItsWindowMidEditKeepsTheTypedText) {
    auto* field = new TextField({10, 10, 150, 30}, &listener, 3, "", nullptr, 0);
    frame.addView(field);
    pressAt({20, 20});
    ASSERT_TRUE(dispatchUntil([field] { return field->isEditing(); }));
    sendButton(MOUSEEVENTF_LEFTUP);
    HWND edit = FindWindowExA(child(), nullptr, "EDIT", nullptr);
    ASSERT_TRUE(dispatchUntil([edit] { return GetFocus() == edit; }));
    sendKey('A');
    ASSERT_TRUE(dispatchUntil([edit] { return windowText(edit) == "a"; }));

    host.destroy();
    EXPECT_FALSE(field->isEditing());
    EXPECT_STREQ(field->text(), "a");
    EXPECT_EQ(listener.tags, std::vector<int>{3});
    EXPECT_EQ(frame.getFocusView(), nullptr);
}

// Picks the second entry below the first with the keyboard once the menu is open.
void CALLBACK pickSecondEntry(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    sendKey(VK_DOWN);
    sendKey(VK_DOWN);
    sendKey(VK_RETURN);
}

TEST_F(TextControlsInWindow, AnEntryPickedInTheMenuIsSelected) {
    auto* choice =
        new PopupChoice({10, 40, 150, 60}, &listener, 5, nullptr, nullptr, kMenuChecksSelected);
    for (const char* entry : {"Sine", "-", "Triangle", "Saw"}) {
        choice->insertEntry(entry);
    }
    frame.addView(choice);
    SetTimer(nullptr, 0, 200, &pickSecondEntry);
    pressAt({20, 50});
    // The first Down lights the first entry, the second skips the separator.
    ASSERT_TRUE(dispatchUntil([this] { return !listener.tags.empty(); }));
    EXPECT_EQ(choice->getSelected(), 2);
    EXPECT_EQ(listener.tags, std::vector<int>{5});
    EXPECT_FALSE(choice->isMenuOpen());
}

} // namespace
} // namespace tarvolin
