#include "SceneComparison.h"
#include "ScenePixels.h"
#include "TestScene.h"
#include "Win32TestSupport.h"

#include "gui/Frame.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <set>

namespace tarvolin {
namespace {

using test::kSceneHeight;
using test::kSceneWidth;
using test::ScenePixels;

int distinctColours(const ScenePixels& pixels, const Rect& cell) {
    std::set<std::uint32_t> colours;
    for (int v = cell.top; v < cell.bottom; ++v) {
        for (int h = cell.left; h < cell.right; ++h) {
            colours.insert(pixels.at(h, v));
        }
    }
    return static_cast<int>(colours.size());
}

bool insideSomeCell(int h, int v) {
    for (const test::SceneElement& element : test::sceneElements()) {
        if (h >= element.cell.left && h < element.cell.right && v >= element.cell.top &&
            v < element.cell.bottom) {
            return true;
        }
    }
    return false;
}

// The scene in a frame, in a child window of a real top-level window.
class SceneInWindow : public ::testing::Test {
protected:
    SceneInWindow() {
        Bitmap* stencil = test::gdiStencil();
        view = new test::SceneView(stencil);
        stencil->forget();
        frame->addView(view);
    }

    HWND child() const { return static_cast<HWND>(frame->getChildWindow()); }

    ScenePixels windowPixels() const {
        HDC dc = GetDC(child());
        ScenePixels pixels = test::pixelsOf(dc, kSceneWidth, kSceneHeight);
        ReleaseDC(child(), dc);
        return pixels;
    }

    test::HostWindow host{0, 0, kSceneWidth, kSceneHeight};
    std::unique_ptr<Frame> frame =
        std::make_unique<Frame>(Rect(0, 0, kSceneWidth, kSceneHeight), host.handle(), nullptr);
    test::SceneView* view;
};

TEST_F(SceneInWindow, PaintMatchesTheRasterBackEnd) {
    const auto reference = test::readPpm(TARVOLIN_SCENE_REFERENCE);
    ASSERT_TRUE(reference.has_value())
        << "no " << TARVOLIN_SCENE_REFERENCE << ": the native build draws it";
    ASSERT_EQ(reference->width, kSceneWidth);
    ASSERT_EQ(reference->height, kSceneHeight);

    test::paintAndDispatch(host.handle());
    ASSERT_GE(view->draws, 1);
    const ScenePixels drawn = windowPixels();
    // Left for a look at what Windows drew.
    test::writePpm(drawn, "scene-win32.ppm");

    for (const test::SceneElement& element : test::sceneElements()) {
        // An element the reference shows as one flat colour would compare vacuously.
        EXPECT_GT(distinctColours(*reference, element.cell), 1) << element.name;
        const test::CellDifference difference = test::compareCell(drawn, *reference, element.cell);
        std::printf("%-32s %5d pixels differ, farthest %d, ink rectangle off by %d\n", element.name,
                    difference.differing, difference.farthest, difference.inkOffset);
        switch (element.agreement) {
        case test::Agreement::Exact:
            EXPECT_EQ(difference.differing, 0) << element.name;
            break;
        case test::Agreement::Near:
            EXPECT_LE(difference.farthest, element.tolerance) << element.name;
            break;
        case test::Agreement::Placed:
            EXPECT_LE(difference.inkOffset, element.tolerance) << element.name;
            EXPECT_TRUE(difference.sameMainInk) << element.name;
            break;
        }
    }
    int strays = 0;
    for (int v = 0; v < kSceneHeight; ++v) {
        for (int h = 0; h < kSceneWidth; ++h) {
            strays += !insideSomeCell(h, v) && drawn.at(h, v) != reference->at(h, v);
        }
    }
    EXPECT_EQ(strays, 0);
}

TEST_F(SceneInWindow, DrawingOutsidePaintRequestsGivesThePaintedPixels) {
    test::paintAndDispatch(host.handle());
    const ScenePixels painted = windowPixels();
    HDC dc = GetDC(child());
    const RECT whole{0, 0, kSceneWidth, kSceneHeight};
    FillRect(dc, &whole, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    ReleaseDC(child(), dc);
    const int drawsBefore = view->draws;

    frame->drawView(nullptr);

    EXPECT_EQ(view->draws, drawsBefore + 1);
    EXPECT_EQ(windowPixels().rgb, painted.rgb);
}

} // namespace
} // namespace tarvolin
