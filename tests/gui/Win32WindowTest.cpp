#include "TestViews.h"
#include "Win32TestSupport.h"

#include "gui/Frame.h"
#include "gui/MouseButtons.h"
#include "gui/WindowClass.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>

namespace tarvolin {
namespace {

using test::RecordingView;

std::string expectedClassName() {
    char name[32];
    std::snprintf(
        name, sizeof name, "Plugin%08x",
        static_cast<unsigned>(reinterpret_cast<std::uintptr_t>(platform::moduleHandle())));
    return name;
}

bool classRegistered(const std::string& name) {
    WNDCLASSA found{};
    return GetClassInfoA(static_cast<HINSTANCE>(platform::moduleHandle()), name.c_str(), &found) !=
           0;
}

class FrameInHostWindow : public ::testing::Test {
protected:
    static constexpr int kLeft = 100;
    static constexpr int kTop = 50;

    test::HostWindow host{kLeft, kTop, 200, 150};
    std::unique_ptr<Frame> frame =
        std::make_unique<Frame>(Rect(0, 0, 120, 90), host.handle(), nullptr);

    HWND child() const { return static_cast<HWND>(frame->getChildWindow()); }
};

void pressKeys(std::initializer_list<WORD> keys, bool down) {
    for (const WORD key : keys) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key;
        input.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
        SendInput(1, &input, sizeof input);
    }
}

TEST_F(FrameInHostWindow, ChildWindowOfTheModuleClassFillsTheFrame) {
    const std::string className = expectedClassName();
    ASSERT_NE(child(), nullptr);
    EXPECT_EQ(FindWindowExA(host.handle(), nullptr, className.c_str(), "Window"), child());
    EXPECT_EQ(GetParent(child()), host.handle());
    const LONG style = GetWindowLongA(child(), GWL_STYLE);
    EXPECT_EQ(style & (WS_CHILD | WS_VISIBLE), WS_CHILD | WS_VISIBLE);
    RECT placed{};
    GetWindowRect(child(), &placed);
    MapWindowPoints(nullptr, host.handle(), reinterpret_cast<POINT*>(&placed), 2);
    EXPECT_EQ(placed.left, 0);
    EXPECT_EQ(placed.top, 0);
    EXPECT_EQ(placed.right, 120);
    EXPECT_EQ(placed.bottom, 90);

    WNDCLASSA registered{};
    ASSERT_NE(GetClassInfoA(static_cast<HINSTANCE>(platform::moduleHandle()), className.c_str(),
                            &registered),
              0);
    EXPECT_EQ(registered.style, 0u);
    EXPECT_EQ(registered.hCursor, LoadCursorA(nullptr, IDC_ARROW));
    EXPECT_EQ(registered.hbrBackground, GetSysColorBrush(COLOR_BTNFACE));
}

TEST(Win32WindowClass, RegisteredOnceForSeveralFramesAndGoneWithTheLast) {
    const std::string className = expectedClassName();
    ASSERT_FALSE(classRegistered(className));
    test::HostWindow host(0, 0, 100, 100);
    auto first = std::make_unique<Frame>(Rect(0, 0, 40, 40), host.handle(), nullptr);
    auto second = std::make_unique<Frame>(Rect(0, 0, 40, 40), host.handle(), nullptr);
    EXPECT_EQ(WindowClass::users(), 2);
    EXPECT_TRUE(classRegistered(className));
    HWND firstChild = FindWindowExA(host.handle(), nullptr, className.c_str(), "Window");
    HWND secondChild = FindWindowExA(host.handle(), firstChild, className.c_str(), "Window");
    EXPECT_NE(firstChild, nullptr);
    EXPECT_NE(secondChild, nullptr);

    first.reset();
    EXPECT_TRUE(classRegistered(className));
    EXPECT_EQ(FindWindowExA(host.handle(), nullptr, className.c_str(), "Window"),
              second->getChildWindow());

    second.reset();
    EXPECT_FALSE(classRegistered(className));
    EXPECT_EQ(WindowClass::users(), 0);
}

TEST_F(FrameInHostWindow, LeftAndRightButtonsReachTheViewAtTheirPosition) {
    auto* view = new RecordingView({10, 10, 100, 80}, Red);
    frame->addView(view);
    SendMessageA(child(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(40, 30));
    SendMessageA(child(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(100, 80));
    // Moves, releases and other buttons are not the views' business.
    SendMessageA(child(), WM_MOUSEMOVE, 0, MAKELPARAM(50, 50));
    SendMessageA(child(), WM_LBUTTONUP, 0, MAKELPARAM(40, 30));
    SendMessageA(child(), WM_MBUTTONDOWN, MK_MBUTTON, MAKELPARAM(40, 30));
    ASSERT_EQ(view->clicks.size(), 2u);
    EXPECT_EQ(view->clicks[0], Point(40, 30));
    EXPECT_EQ(view->clicks[1], Point(100, 80));
}

TEST_F(FrameInHostWindow, PaintDrawsTheViews) {
    auto* view = new RecordingView({10, 10, 100, 80}, Red);
    frame->addView(view);
    test::paintAndDispatch(host.handle());
    EXPECT_GE(view->draws, 1);
    EXPECT_FALSE(frame->isFirstDrawPending());
    HDC dc = GetDC(child());
    EXPECT_EQ(GetPixel(dc, 10, 10), RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(dc, 99, 79), RGB(255, 0, 0));
    EXPECT_NE(GetPixel(dc, 100, 80), RGB(255, 0, 0));
    ReleaseDC(child(), dc);
}

TEST_F(FrameInHostWindow, HostClosingTheWindowClosesTheFrame) {
    auto* view = new RecordingView({0, 0, 50, 50}, Red);
    frame->addView(view);
    test::paintAndDispatch(host.handle());
    host.destroy();
    EXPECT_FALSE(frame->isOpen());
    EXPECT_EQ(frame->getParentWindow(), nullptr);
    const int draws = view->draws;
    frame->drawView(nullptr);
    frame->idle();
    EXPECT_EQ(view->draws, draws);
    EXPECT_EQ(view->refreshes, 0);
    frame.reset();
    EXPECT_EQ(WindowClass::users(), 0);
}

TEST_F(FrameInHostWindow, CursorPositionIsInTheChildWindowsCoordinates) {
    ASSERT_NE(SetCursorPos(kLeft + 25, kTop + 17), 0);
    EXPECT_EQ(frame->getPlatformWindow()->mouseLocation(), Point(25, 17));
}

TEST_F(FrameInHostWindow, ButtonWordCarriesTheModifierKeysHeldNow) {
    platform::Window& window = *frame->getPlatformWindow();
    EXPECT_EQ(window.mouseButtons(), 0);
    pressKeys({VK_SHIFT}, true);
    EXPECT_EQ(window.mouseButtons(), ModifierShift);
    pressKeys({VK_CONTROL, VK_MENU}, true);
    EXPECT_EQ(window.mouseButtons(), ModifierShift | ModifierControl | ModifierAlt);
    pressKeys({VK_SHIFT, VK_CONTROL, VK_MENU}, false);
    EXPECT_EQ(window.mouseButtons(), 0);
}

TEST_F(FrameInHostWindow, SwappedButtonsReadAsTheLogicalOnes) {
    platform::Window& window = *frame->getPlatformWindow();
    const auto press = [](DWORD flags) {
        INPUT input{};
        input.type = INPUT_MOUSE;
        input.mi.dwFlags = flags;
        SendInput(1, &input, sizeof input);
    };
    SwapMouseButton(TRUE);
    // A left hand's main button is the physical right one.
    press(MOUSEEVENTF_RIGHTDOWN);
    const int mainButton = window.mouseButtons();
    press(MOUSEEVENTF_RIGHTUP);
    press(MOUSEEVENTF_LEFTDOWN);
    const int otherButton = window.mouseButtons();
    press(MOUSEEVENTF_LEFTUP);
    SwapMouseButton(FALSE);
    EXPECT_EQ(mainButton, ButtonLeft);
    EXPECT_EQ(otherButton, ButtonRight);
}

TEST(Win32Clock, MillisecondsFollowTheSystemClock) {
    const std::uint32_t start = platform::milliseconds();
    Sleep(60);
    const std::uint32_t elapsed = platform::milliseconds() - start;
    EXPECT_GE(elapsed, 40u);
    EXPECT_LT(elapsed, 2000u);
}

TEST_F(FrameInHostWindow, OffscreenSurfaceIsMadeOnlyWhileTheWindowLives) {
    platform::Window& window = *frame->getPlatformWindow();
    EXPECT_NE(window.offscreen(30, 20), nullptr);
    EXPECT_NE(window.surface(), nullptr);
    host.destroy();
    EXPECT_EQ(window.offscreen(30, 20), nullptr);
    EXPECT_EQ(window.surface(), nullptr);
    EXPECT_EQ(window.nativeHandle(), nullptr);
}

TEST(Win32Window, BringingToTopRaisesTheWindowAroundTheHostsEditorWindow) {
    test::HostWindow outer(0, 0, 100, 100);
    HWND editorWindow =
        CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 0, 0, 80, 80, outer.handle(),
                        nullptr, GetModuleHandleA(nullptr), nullptr);
    Frame frame({0, 0, 60, 60}, editorWindow, nullptr);
    const test::HostWindow above(0, 0, 50, 50);
    ASSERT_EQ(GetTopWindow(nullptr), above.handle());

    frame.getPlatformWindow()->bringToTop();

    EXPECT_EQ(GetTopWindow(nullptr), outer.handle());
}

} // namespace
} // namespace tarvolin
