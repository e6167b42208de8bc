// Which scale the editor opens at: the screen's word, and the user's over it.

#include "EditorSession.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace tarvolin {
namespace {

TEST(EditorScale, TheUsersWordOverridesTheScreensAndTheHostIsToldTheSize) {
    struct Choice {
        const char* userScale; // null: not set
        int screenScale;
        // Before the editor opens there is no window to ask about its screen.
        int beforeOpening;
        int opened;
    };
    for (const Choice choice : {Choice{nullptr, 1, 1, 1}, Choice{nullptr, 2, 1, 2},
                                Choice{"2", 1, 2, 2}, Choice{"1", 2, 1, 1}, Choice{"3", 2, 1, 2}}) {
        if (choice.userScale != nullptr) {
            setenv("TARVOLIN_EDITOR_SCALE", choice.userScale, 1);
        } else {
            unsetenv("TARVOLIN_EDITOR_SCALE");
        }
        testing::EditorSession session;
        session.window.setDisplayScale(choice.screenScale);
        ERect* rect = nullptr;
        ASSERT_EQ(session.plugin.dispatch(effEditGetRect, 0, 0, &rect), 1);
        EXPECT_EQ(rect->right, 676 * choice.beforeOpening);
        ASSERT_EQ(session.open(), 1);
        EXPECT_EQ(rect->right, 676 * choice.opened);
        EXPECT_EQ(rect->bottom, 345 * choice.opened);
        EXPECT_EQ(session.pixels().width(), 676 * choice.opened);
    }
    unsetenv("TARVOLIN_EDITOR_SCALE");
}

} // namespace
} // namespace tarvolin
