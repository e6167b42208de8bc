// Which scale the editor opens at: the screen's word, and the user's over it.

#include "EditorSession.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <tuple>

namespace tarvolin {
namespace {

using testing::EditorSession;

std::tuple<int, int> rectOf(const EditorSession& session) {
    ERect* rect = nullptr;
    EXPECT_EQ(session.plugin.dispatch(effEditGetRect, 0, 0, &rect), 1);
    return {rect->right - rect->left, rect->bottom - rect->top};
}

struct Choice {
    const char* userScale; // null: not set
    int screenScale;
    // Before the editor opens there is no window to ask about its screen.
    int beforeOpening;
    int opened;
};

TEST(EditorScale, TheUsersWordOverridesTheScreensAndTheHostIsToldTheSize) {
    for (const Choice choice :
         {Choice{nullptr, 1, 1, 1}, Choice{nullptr, 2, 1, 2}, Choice{"2", 1, 2, 2},
          Choice{"1", 2, 1, 1}, Choice{"3", 2, 1, 2}, Choice{"", 1, 1, 1}}) {
        if (choice.userScale != nullptr) {
            setenv("TARVOLIN_EDITOR_SCALE", choice.userScale, 1);
        } else {
            unsetenv("TARVOLIN_EDITOR_SCALE");
        }
        EditorSession session;
        session.window.setDisplayScale(choice.screenScale);
        EXPECT_EQ(rectOf(session),
                  std::make_tuple(676 * choice.beforeOpening, 345 * choice.beforeOpening));
        ASSERT_EQ(session.open(), 1);
        const std::tuple opened{676 * choice.opened, 345 * choice.opened};
        EXPECT_EQ(rectOf(session), opened) << (choice.userScale ? choice.userScale : "unset");
        EXPECT_EQ(std::tuple(session.pixels().width(), session.pixels().height()), opened);
    }
    unsetenv("TARVOLIN_EDITOR_SCALE");
}

} // namespace
} // namespace tarvolin
