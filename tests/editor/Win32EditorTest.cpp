// The DLL's editor, loaded as a Windows host loads it, in a real window.

#include "ReferenceState.h"
#include "ScenePixels.h"
#include "TestHost.h"
#include "Win32TestSupport.h"

#include <gtest/gtest.h>

#include <cstdint>

#include <cstdio>

namespace tarvolin {
namespace {

using testing::RecordingHost;

constexpr int kLeft = 40;
constexpr int kTop = 30;

void sendButton(DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof input);
}

// Clicks at a screen position; the click reaches the window through the
// message queue, in its own time, and is waited for until the host hears it.
void clickAndWait(Point screen, HWND window, const RecordingHost& recorder) {
    ASSERT_NE(SetCursorPos(screen.h, screen.v), 0);
    sendButton(MOUSEEVENTF_LEFTDOWN);
    sendButton(MOUSEEVENTF_LEFTUP);
    for (int wait = 0; wait < 200 && recorder.requestsWith(audioMasterAutomate).empty(); ++wait) {
        test::paintAndDispatch(window);
        Sleep(10);
    }
}

class EditorInWindow : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(plugin.isOpen());
        testing::applyReferenceState(plugin);
    }
    void TearDown() override { plugin.dispatch(effEditClose); }

    HWND child() const { return FindWindowExA(host.handle(), nullptr, nullptr, "Window"); }

    RecordingHost recorder;
    test::HostWindow host{kLeft, kTop, 676, 345};
    host::PluginInstance plugin{testing::builtModule(), RecordingHost::callback()};
};

TEST_F(EditorInWindow, LooksExactlyLikeTheHeadlessEditor) {
    EXPECT_EQ(plugin.record()->flags,
              effFlagsHasEditor | effFlagsCanReplacing | effFlagsProgramChunks | effFlagsIsSynth);
    ASSERT_EQ(plugin.dispatch(effEditOpen, 0, 0, host.handle()), 1);
    ASSERT_NE(child(), nullptr);
    test::paintAndDispatch(host.handle());
    plugin.dispatch(effEditIdle);

    // -1: no reference picture, which the native build draws.
    EXPECT_EQ(test::windowPixelsDiffering(child(), TARVOLIN_EDITOR_REFERENCE), 0);
}

TEST_F(EditorInWindow, AClickTurnsAKnobAndTellsTheHostOnce) {
    ASSERT_EQ(plugin.dispatch(effEditOpen, 0, 0, host.handle()), 1);
    test::paintAndDispatch(host.handle());
    recorder.clear();
    // Right of the cutoff knob's centre (470, 187), on its horizontal line.
    clickAndWait({kLeft + 487, kTop + 187}, host.handle(), recorder);

    EXPECT_NEAR(plugin.getParameter(14), 1.0f - 0.125f * 4.0f / 3.0f, 1e-6f);
    const auto automations = recorder.requestsWith(audioMasterAutomate);
    ASSERT_EQ(automations.size(), 1u);
    EXPECT_EQ(automations[0].index, 14);
    EXPECT_EQ(automations[0].opt, plugin.getParameter(14));
}

// The user's word for a dense screen: the pictures drawn at twice the
// resolution, exactly as the headless module draws them, and a click on the
// last device pixel of a logical point acts as the point does at scale 1.
TEST(EditorInDenseWindow, LooksLikeTheHeadlessEditorAtScale2AndClicksLandAsAtOne) {
    ASSERT_EQ(_putenv("TARVOLIN_EDITOR_SCALE=2"), 0);
    RecordingHost recorder;
    const test::HostWindow window{kLeft, kTop, 1352, 690};
    const host::PluginInstance plugin{testing::builtModule(), RecordingHost::callback()};
    testing::applyReferenceState(plugin);
    ERect* size = nullptr;
    ASSERT_EQ(plugin.dispatch(effEditGetRect, 0, 0, &size), 1);
    EXPECT_EQ(size->right - size->left, 1352);
    EXPECT_EQ(size->bottom - size->top, 690);
    ASSERT_EQ(plugin.dispatch(effEditOpen, 0, 0, window.handle()), 1);
    test::paintAndDispatch(window.handle());
    plugin.dispatch(effEditIdle);
    const HWND child = FindWindowExA(window.handle(), nullptr, nullptr, "Window");
    EXPECT_EQ(test::windowPixelsDiffering(child, TARVOLIN_EDITOR_REFERENCE_2X), 0);

    recorder.clear();
    clickAndWait({kLeft + 487 * 2 + 1, kTop + 187 * 2 + 1}, window.handle(), recorder);
    EXPECT_NEAR(plugin.getParameter(14), 1.0f - 0.125f * 4.0f / 3.0f, 1e-6f);
    plugin.dispatch(effEditClose);
    ASSERT_EQ(_putenv("TARVOLIN_EDITOR_SCALE="), 0);
}

TEST_F(EditorInWindow, OpensOnlyInAWindowThatExists) {
    EXPECT_EQ(plugin.dispatch(effEditOpen, 0, 0, nullptr), 0);
    HWND gone = CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 10, 10, host.handle(), nullptr,
                                GetModuleHandleA(nullptr), nullptr);
    DestroyWindow(gone);
    EXPECT_EQ(plugin.dispatch(effEditOpen, 0, 0, gone), 0);
    EXPECT_EQ(plugin.dispatch(effEditOpen, 0, 0, host.handle()), 1);
    EXPECT_NE(child(), nullptr);
}

// Hosts open and close editors in any rhythm. Every cycle makes the child
// window and the module's window class, and every close takes both away
// again. (LeakSanitizer watches the same cycles for memory in the headless
// build; Wine tells nothing reliable of a process's memory or GDI objects.)
TEST_F(EditorInWindow, TwoHundredOpenAndCloseCyclesLeaveNothingBehind) {
    HMODULE module = GetModuleHandleA("Tarvolin.dll");
    ASSERT_NE(module, nullptr);
    char className[32];
    std::snprintf(className, sizeof className, "Plugin%08x",
                  static_cast<unsigned>(reinterpret_cast<std::uintptr_t>(module)));
    WNDCLASSEXA found{};
    found.cbSize = sizeof found;
    for (int i = 0; i < 200; ++i) {
        ASSERT_EQ(plugin.dispatch(effEditOpen, 0, 0, host.handle()), 1);
        test::paintAndDispatch(host.handle());
        plugin.dispatch(effEditIdle);
        ASSERT_NE(child(), nullptr);
        ASSERT_NE(GetClassInfoExA(module, className, &found), 0) << className;
        plugin.dispatch(effEditClose);
        ASSERT_EQ(child(), nullptr) << "cycle " << i;
        ASSERT_EQ(GetClassInfoExA(module, className, &found), 0) << "cycle " << i;
    }
}

} // namespace
} // namespace tarvolin
