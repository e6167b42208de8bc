#include "ControlScene.h"
#include "SceneComparison.h"
#include "ScenePixels.h"
#include "TestScene.h"
#include "Win32TestSupport.h"

#include "gui/Frame.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <optional>
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

// Compares one cell with the raster back end's drawing, as closely as agreed.
void expectAgreement(const ScenePixels& drawn, const ScenePixels& reference, const char* name,
                     const Rect& cell, test::Agreement agreement, int tolerance) {
    // A cell the reference shows as one flat colour would compare vacuously.
    EXPECT_GT(distinctColours(reference, cell), 1) << name;
    const test::CellDifference difference = test::compareCell(drawn, reference, cell);
    std::printf("%-32s %5d pixels differ, farthest %d, ink rectangle off by %d\n", name,
                difference.differing, difference.farthest, difference.inkOffset);
    switch (agreement) {
    case test::Agreement::Exact:
        EXPECT_EQ(difference.differing, 0) << name;
        break;
    case test::Agreement::Near:
        EXPECT_LE(difference.farthest, tolerance) << name;
        break;
    case test::Agreement::Placed:
        EXPECT_LE(difference.inkOffset, tolerance) << name;
        EXPECT_TRUE(difference.sameMainInk) << name;
        break;
    }
}

std::optional<ScenePixels> referencePicture(const char* path, int width, int height) {
    std::optional<ScenePixels> pixels = test::readPpm(path);
    EXPECT_TRUE(pixels.has_value()) << "no " << path << ": the native build draws it";
    if (pixels && (pixels->width != width || pixels->height != height)) {
        ADD_FAILURE() << path << " is " << pixels->width << " by " << pixels->height;
        return std::nullopt;
    }
    return pixels;
}

ScenePixels pixelsOfWindow(HWND window, int width, int height) {
    HDC dc = GetDC(window);
    ScenePixels pixels = test::pixelsOf(dc, width, height);
    ReleaseDC(window, dc);
    return pixels;
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
    ScenePixels windowPixels() const { return pixelsOfWindow(child(), kSceneWidth, kSceneHeight); }

    test::HostWindow host{0, 0, kSceneWidth, kSceneHeight};
    std::unique_ptr<Frame> frame =
        std::make_unique<Frame>(Rect(0, 0, kSceneWidth, kSceneHeight), host.handle(), nullptr);
    test::SceneView* view;
};

TEST_F(SceneInWindow, PaintMatchesTheRasterBackEnd) {
    const auto reference = referencePicture(TARVOLIN_SCENE_REFERENCE, kSceneWidth, kSceneHeight);
    ASSERT_TRUE(reference.has_value());

    test::paintAndDispatch(host.handle());
    ASSERT_GE(view->draws, 1);
    const ScenePixels drawn = windowPixels();
    // Left for a look at what Windows drew.
    test::writePpm(drawn, "scene-win32.ppm");

    for (const test::SceneElement& element : test::sceneElements()) {
        expectAgreement(drawn, *reference, element.name, element.cell, element.agreement,
                        element.tolerance);
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

TEST(ControlSceneInWindow, PaintMatchesTheRasterBackEnd) {
    const auto reference = referencePicture(TARVOLIN_CONTROLS_REFERENCE, test::kControlSceneWidth,
                                            test::kControlSceneHeight);
    ASSERT_TRUE(reference.has_value());
    test::HostWindow host{0, 0, test::kControlSceneWidth, test::kControlSceneHeight};
    Frame frame(Rect(0, 0, test::kControlSceneWidth, test::kControlSceneHeight), host.handle(),
                nullptr);
    test::addControlScene(frame, nullptr);
    test::paintAndDispatch(host.handle());
    const ScenePixels drawn = pixelsOfWindow(static_cast<HWND>(frame.getChildWindow()),
                                             test::kControlSceneWidth, test::kControlSceneHeight);
    test::writePpm(drawn, "controls-win32.ppm");
    for (const test::ControlCell& cell : test::controlCells()) {
        expectAgreement(drawn, *reference, cell.name, cell.cell, cell.agreement, cell.tolerance);
    }
}

} // namespace
} // namespace tarvolin
