#include "PixelSets.h"
#include "TestViews.h"

#include "gui/Bitmap.h"
#include "gui/Frame.h"
#include "gui/OffscreenContext.h"
#include "gui/WindowClass.h"
#include "gui/platform/headless/HeadlessHost.h"
#include "gui/platform/headless/HeadlessWindow.h"
#include "gui/platform/raster/RasterPicture.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>

namespace tarvolin {
namespace {

using platform::HeadlessHost;
using platform::HeadlessWindow;
using test::RecordingView;

class FrameInWindow : public ::testing::Test {
protected:
    HeadlessHost host;
    test::CountingEditor editor;
    std::unique_ptr<Frame> frame = std::make_unique<Frame>(Rect(0, 0, 100, 80), &host, &editor);

    HeadlessWindow& window() { return *host.child(); }
    RecordingView* add(const Rect& rect, Colour colour, int* destroyed = nullptr) {
        auto* view = new RecordingView(rect, colour, destroyed);
        EXPECT_TRUE(frame->addView(view));
        return view;
    }
};

TEST_F(FrameInWindow, OpensAChildWindowOfTheFrameSize) {
    ASSERT_NE(host.child(), nullptr);
    EXPECT_TRUE(frame->isOpen());
    EXPECT_TRUE(frame->isFirstDrawPending());
    EXPECT_EQ(window().pixels().width(), 100);
    EXPECT_EQ(window().pixels().height(), 80);
    EXPECT_EQ(frame->getChildWindow(), host.child());
}

TEST_F(FrameInWindow, OverlapGoesToTheLaterViewAndPaintsItOnTop) {
    RecordingView* first = add({10, 10, 50, 50}, Red);
    RecordingView* second = add({30, 30, 70, 70}, Blue);
    window().press({40, 40});
    EXPECT_TRUE(first->clicks.empty());
    ASSERT_EQ(second->clicks.size(), 1u);
    EXPECT_EQ(second->clicks[0], Point(40, 40));

    window().paint();
    EXPECT_EQ(window().pixels().colourAt({40, 40}), Blue);
    EXPECT_EQ(window().pixels().colourAt({20, 20}), Red);
    EXPECT_FALSE(frame->isFirstDrawPending());
}

TEST_F(FrameInWindow, ClicksOnTheRightAndBottomEdgeHit) {
    RecordingView* view = add({10, 10, 20, 20}, Red);
    window().press({20, 20});
    window().press({21, 20});
    window().press({20, 21});
    window().press({10, 10});
    EXPECT_EQ(view->clicks.size(), 2u);
}

TEST_F(FrameInWindow, ModalViewTakesClicksInsideItAndIsTheOnlyOneRefreshed) {
    RecordingView* below = add({0, 0, 100, 80}, Red);
    RecordingView modal({20, 20, 40, 40}, Green);
    ASSERT_TRUE(frame->setModalView(&modal));
    window().press({10, 10});
    window().press({30, 30});
    EXPECT_TRUE(below->clicks.empty());
    EXPECT_EQ(modal.clicks.size(), 1u);

    window().paint();
    frame->idle();
    EXPECT_EQ(modal.refreshes, 1);
    EXPECT_EQ(below->refreshes, 0);
    EXPECT_EQ(window().pixels().colourAt({30, 30}), Green);

    RecordingView other({0, 0, 5, 5}, Blue);
    EXPECT_FALSE(frame->setModalView(&other));
    EXPECT_EQ(frame->getModalView(), &modal);
    EXPECT_TRUE(frame->setModalView(nullptr));
    frame->idle();
    EXPECT_EQ(below->refreshes, 1);
}

TEST_F(FrameInWindow, IdleWaitsForTheFirstPaint) {
    RecordingView* view = add({0, 0, 10, 10}, Red);
    frame->idle();
    EXPECT_EQ(view->refreshes, 0);
    window().paint();
    frame->idle();
    frame->idle();
    EXPECT_EQ(view->refreshes, 2);
}

TEST_F(FrameInWindow, NothingReachesTheViewsAfterThePlatformDestroysTheWindow) {
    RecordingView* view = add({0, 0, 10, 10}, Red);
    window().paint();
    window().destroy();
    EXPECT_FALSE(frame->isOpen());
    EXPECT_EQ(frame->getParentWindow(), nullptr);
    frame->idle();
    frame->drawView(nullptr);
    view->redraw();
    window().press({5, 5});
    window().paint();
    EXPECT_EQ(view->refreshes, 0);
    EXPECT_EQ(view->draws, 1);
    EXPECT_TRUE(view->clicks.empty());
}

TEST_F(FrameInWindow, DrawViewDrawsOneListedViewOrTheWholeFrame) {
    RecordingView* listed = add({0, 0, 10, 10}, Red);
    RecordingView* other = add({20, 20, 30, 30}, Blue);
    RecordingView stranger({40, 40, 50, 50}, Green);
    frame->drawView(listed);
    EXPECT_EQ(listed->draws, 1);
    EXPECT_EQ(other->draws, 0);
    frame->drawView(&stranger);
    EXPECT_EQ(listed->draws, 2);
    EXPECT_EQ(other->draws, 1);
    EXPECT_EQ(stranger.draws, 0);
    other->redraw();
    EXPECT_EQ(other->draws, 2);
}

TEST_F(FrameInWindow, ListGrowsAndRemovalKeepsTheOrder) {
    std::vector<RecordingView*> views;
    for (int i = 0; i < 25; ++i) {
        views.push_back(add({i * 4, 0, i * 4 + 3, 3}, Red));
    }
    EXPECT_EQ(frame->getViewCount(), 25);
    EXPECT_EQ(views[24]->getParentFrame(), frame.get());
    window().press({96, 1});
    EXPECT_EQ(views[24]->clicks.size(), 1u);

    RecordingView stranger({0, 0, 1, 1}, Red);
    EXPECT_FALSE(frame->removeView(&stranger));
    EXPECT_EQ(frame->getViewCount(), 25);
    EXPECT_TRUE(frame->removeView(views[3]));
    EXPECT_EQ(frame->getViewCount(), 24);
    EXPECT_FALSE(frame->containsView(views[3]));
    window().press({13, 1});
    EXPECT_TRUE(views[3]->clicks.empty());
    EXPECT_EQ(views[3]->getParentFrame(), frame.get());
    delete views[3];
    EXPECT_FALSE(frame->addView(nullptr));
}

TEST_F(FrameInWindow, ClickOutsideTheFocusViewTakesTheFocusAway) {
    RecordingView* field = add({0, 0, 10, 10}, Red);
    frame->setFocusView(field);
    window().press({5, 5});
    EXPECT_EQ(field->focusReleases, 0);
    window().press({50, 50});
    EXPECT_EQ(field->focusReleases, 1);
    EXPECT_EQ(frame->getFocusView(), nullptr);
}

TEST_F(FrameInWindow, PaintDrawsTheBackgroundUnderTheViews) {
    Bitmap* background = new Bitmap(
        1, std::make_unique<platform::RasterPicture>(platform::PixelBuffer(100, 80, Yellow)));
    frame->setBackground(background);
    background->forget();
    EXPECT_EQ(background->getReferenceCount(), 1);
    add({10, 10, 20, 20}, Red);
    window().paint();
    EXPECT_EQ(window().pixels().colourAt({0, 0}), Yellow);
    EXPECT_EQ(window().pixels().colourAt({15, 15}), Red);
}

TEST_F(FrameInWindow, DestructionReleasesFocusDeletesViewsAndForgetsTheBackground) {
    int destroyed = 0;
    RecordingView* field = add({0, 0, 10, 10}, Red, &destroyed);
    add({0, 0, 10, 10}, Red, &destroyed);
    frame->setFocusView(field);
    Bitmap* background = new Bitmap(999);
    frame->setBackground(background);
    EXPECT_EQ(background->getReferenceCount(), 2);
    frame.reset();
    EXPECT_EQ(destroyed, 2);
    EXPECT_EQ(background->getReferenceCount(), 1);
    EXPECT_EQ(host.child(), nullptr);
    background->forget();
}

TEST_F(FrameInWindow, OffscreenPictureIsComposedThenCopiedInOneStep) {
    {
        OffscreenContext offscreen(frame.get(), 10, 8, Red);
        offscreen.setFillColour(Blue);
        offscreen.fillRect({3, 3, 6, 6});
        auto surface = window().surface();
        DrawContext target(frame.get(), surface.get(), frame->getPlatformWindow());
        offscreen.copyTo(target, {20, 30, 30, 38});
        offscreen.copyTo(target, {60, 60, 80, 80}, {8, 6});
    }
    const platform::PixelBuffer& pixels = window().pixels();
    for (int v = 30; v < 38; ++v) {
        for (int h = 20; h < 30; ++h) {
            const bool blue = h >= 24 && h < 26 && v >= 34 && v < 36;
            ASSERT_EQ(pixels.colourAt({h, v}), blue ? Blue : Red) << h << "," << v;
        }
    }
    EXPECT_EQ(test::pixelsOf(pixels, Red).size() + test::pixelsOf(pixels, Blue).size(), 80u + 4u);
    EXPECT_EQ(pixels.colourAt({61, 61}), Red);
    EXPECT_EQ(pixels.colourAt({62, 61}), Black);
}

TEST(FrameWindowClass, RegisteredOnceForSeveralFramesAndGoneWithTheLast) {
    HeadlessHost firstHost;
    HeadlessHost secondHost;
    const int registrationsBefore = platform::headlessClassRegistrations();
    auto first = std::make_unique<Frame>(Rect(0, 0, 10, 10), &firstHost, nullptr);
    auto second = std::make_unique<Frame>(Rect(0, 0, 10, 10), &secondHost, nullptr);
    EXPECT_EQ(platform::headlessClassRegistrations(), registrationsBefore + 1);
    EXPECT_EQ(WindowClass::users(), 2);

    char expected[32];
    std::snprintf(
        expected, sizeof expected, "Plugin%08x",
        static_cast<unsigned>(reinterpret_cast<std::uintptr_t>(platform::moduleHandle())));
    ASSERT_NE(firstHost.child(), nullptr);
    EXPECT_STREQ(firstHost.child()->windowClassName(), expected);
    EXPECT_TRUE(platform::headlessClassRegistered(expected));

    first.reset();
    EXPECT_TRUE(platform::headlessClassRegistered(expected));
    second.reset();
    EXPECT_FALSE(platform::headlessClassRegistered(expected));
    EXPECT_EQ(WindowClass::users(), 0);
}

TEST(FrameWindowClass, FrameWithoutParentWindowMakesNoWindow) {
    Frame frame(Rect(0, 0, 10, 10), nullptr, nullptr);
    EXPECT_EQ(frame.getChildWindow(), nullptr);
    EXPECT_EQ(WindowClass::users(), 0);
    frame.drawView(nullptr);
    frame.idle();
    OffscreenContext offscreen(&frame, 10, 10, Red);
    EXPECT_EQ(offscreen.getSurface(), nullptr);
}

} // namespace
} // namespace tarvolin
