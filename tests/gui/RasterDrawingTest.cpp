#include "PixelSets.h"

#include "gui/DrawContext.h"
#include "gui/platform/raster/RasterSurface.h"
#include "gui/platform/raster/TextRasteriser.h"

#include <gtest/gtest.h>

#include <array>
#include <thread>
#include <vector>

namespace tarvolin {
namespace {

using test::block;
using test::PixelSet;
using test::pixelsOf;

class RasterDrawing : public ::testing::Test {
protected:
    platform::PixelBuffer canvas{40, 30, Black};
    platform::RasterSurface surface{canvas};
    DrawContext context{nullptr, &surface, nullptr};

    PixelSet lineOf(Point from, Point to) {
        canvas = platform::PixelBuffer(40, 30, Black);
        context.moveTo(from);
        context.lineTo(to);
        return pixelsOf(canvas, White);
    }
};

TEST_F(RasterDrawing, FillLeavesTopAndLeftToTheOutline) {
    context.setFillColour(Red);
    context.fillRect({0, 0, 10, 10});
    EXPECT_EQ(pixelsOf(canvas, Red), block(1, 1, 9, 9));

    context.setFrameColour(Green);
    context.drawRect({0, 0, 10, 10});
    PixelSet outline = block(0, 0, 10, 0);
    outline.merge(block(0, 10, 10, 10));
    outline.merge(block(0, 0, 0, 10));
    outline.merge(block(10, 0, 10, 10));
    EXPECT_EQ(pixelsOf(canvas, Green), outline);
    EXPECT_EQ(pixelsOf(canvas, Red), block(1, 1, 9, 9));
}

TEST_F(RasterDrawing, LinesLeaveOutTheirEndPoint) {
    EXPECT_EQ(lineOf({2, 5}, {8, 5}), block(2, 5, 7, 5));
    EXPECT_EQ(lineOf({3, 9}, {3, 2}), block(3, 3, 3, 9));
    EXPECT_EQ(lineOf({0, 0}, {5, 5}), (PixelSet{{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 4}}));
    EXPECT_TRUE(lineOf({4, 4}, {4, 4}).empty());
}

TEST_F(RasterDrawing, ShallowLinePicksTheNearestPixelInEachColumn) {
    // v = h / 3 rounded: 0, 0, 1, 1, 1, 2.
    EXPECT_EQ(lineOf({0, 0}, {6, 2}), (PixelSet{{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 1}, {5, 2}}));
}

TEST_F(RasterDrawing, ALineAndItsReverseCoverTheSamePixels) {
    const std::array<std::pair<Point, Point>, 4> lines{
        {{{0, 0}, {4, 2}}, {{1, 7}, {9, 3}}, {{2, 1}, {5, 9}}, {{12, 4}, {3, 8}}}};
    for (const auto& [from, to] : lines) {
        PixelSet forward = lineOf(from, to);
        PixelSet backward = lineOf(to, from);
        forward.insert({to.h, to.v});
        backward.insert({from.h, from.v});
        EXPECT_EQ(forward, backward) << from.h << "," << from.v << " to " << to.h << "," << to.v;
    }
}

TEST_F(RasterDrawing, DottedLineAlternatesRunsOfThree) {
    context.setLineStyle(LineDotted);
    EXPECT_EQ(lineOf({0, 0}, {12, 0}), (PixelSet{{0, 0}, {1, 0}, {2, 0}, {6, 0}, {7, 0}, {8, 0}}));
    context.setLineStyle(7);
    EXPECT_EQ(context.getLineStyle(), LineSolid);
}

TEST_F(RasterDrawing, EllipseOutlineSpansTheRectangleIncludingRightAndBottom) {
    const Rect rect(2, 3, 22, 15);
    context.drawEllipse(rect);
    const PixelSet outline = pixelsOf(canvas, White);
    ASSERT_FALSE(outline.empty());
    for (const auto& [h, v] : outline) {
        EXPECT_TRUE(Point(h, v).isInside(rect)) << h << "," << v;
        // Symmetric about both axes of the rectangle.
        EXPECT_TRUE(outline.count({rect.left + rect.right - h, v}));
        EXPECT_TRUE(outline.count({h, rect.top + rect.bottom - v}));
    }
    EXPECT_TRUE(outline.count({2, 9}));
    EXPECT_TRUE(outline.count({22, 9}));
    EXPECT_TRUE(outline.count({12, 3}));
    EXPECT_TRUE(outline.count({12, 15}));
    EXPECT_FALSE(outline.count({12, 9}));
}

TEST_F(RasterDrawing, ArcRunsCounterClockwiseFromStartToEnd) {
    const Rect rect(0, 0, 20, 20);
    context.drawArc(rect, {20, 10}, {10, 0});
    const PixelSet upperRight = pixelsOf(canvas, White);
    EXPECT_TRUE(upperRight.count({20, 10}));
    EXPECT_TRUE(upperRight.count({10, 0}));
    for (const auto& [h, v] : upperRight) {
        EXPECT_TRUE(h >= 10 && v <= 10) << h << "," << v;
    }

    canvas = platform::PixelBuffer(40, 30, Black);
    context.drawArc(rect, {10, 0}, {20, 10});
    const PixelSet threeQuarters = pixelsOf(canvas, White);
    EXPECT_TRUE(threeQuarters.count({0, 10}));
    EXPECT_TRUE(threeQuarters.count({10, 20}));
    for (const auto& [h, v] : threeQuarters) {
        EXPECT_FALSE(h > 11 && v < 9) << h << "," << v;
    }
}

TEST_F(RasterDrawing, FilledShapesStayInsideTheInsetRectangle) {
    context.setFillColour(Blue);
    context.fillEllipse({0, 0, 10, 10});
    const PixelSet disc = pixelsOf(canvas, Blue);
    for (const auto& [h, v] : disc) {
        EXPECT_TRUE(h >= 1 && h <= 9 && v >= 1 && v <= 9) << h << "," << v;
    }
    EXPECT_TRUE(disc.count({1, 5}) && disc.count({9, 5}) && disc.count({5, 1}) &&
                disc.count({5, 9}));

    canvas = platform::PixelBuffer(40, 30, Black);
    context.fillArc({0, 0, 20, 20}, {20, 10}, {10, 0});
    for (const auto& [h, v] : pixelsOf(canvas, Blue)) {
        EXPECT_TRUE(h >= 10 && v <= 11) << h << "," << v;
    }
    EXPECT_TRUE(pixelsOf(canvas, Blue).count({15, 6}));
}

TEST_F(RasterDrawing, PolygonFillsPixelCentresInside) {
    const std::array<Point, 4> square{{{2, 2}, {8, 2}, {8, 6}, {2, 6}}};
    context.setFillColour(Cyan);
    context.fillPolygon(square);
    EXPECT_EQ(pixelsOf(canvas, Cyan), block(2, 2, 7, 5));
}

TEST_F(RasterDrawing, PointsAndPolylines) {
    context.drawPoint({39, 29}, Yellow);
    context.drawPoint({40, 29}, Yellow);
    EXPECT_EQ(pixelsOf(canvas, Yellow), (PixelSet{{39, 29}}));
    const std::array<Point, 3> corner{{{0, 0}, {3, 0}, {3, 3}}};
    context.polyline(corner);
    EXPECT_EQ(pixelsOf(canvas, White), (PixelSet{{0, 0}, {1, 0}, {2, 0}, {3, 0}, {3, 1}, {3, 2}}));
}

TEST_F(RasterDrawing, ContextWithoutSurfaceDrawsNothing) {
    DrawContext empty(nullptr, nullptr, nullptr);
    empty.setFillColour(Red);
    empty.fillRect({0, 0, 10, 10});
    empty.drawString("x", {0, 0, 10, 10});
    EXPECT_EQ(empty.getMouseButtons(), 0);
    EXPECT_EQ(empty.getFillColour(), Red);
}

class RasterText : public RasterDrawing {
protected:
    PixelSet textPixels(const Rect& rect, int alignment, bool opaque = false) {
        canvas = platform::PixelBuffer(40, 30, Black);
        context.setFont(3);
        context.setFontColour(White);
        context.setFillColour(Blue);
        context.drawString("Il", rect, opaque, alignment);
        return pixelsOf(canvas, White);
    }
};

TEST_F(RasterText, LeftAlignmentStartsOnePixelIn) {
    const PixelSet left = textPixels({5, 0, 35, 20}, AlignLeft);
    ASSERT_FALSE(left.empty());
    EXPECT_EQ(textPixels({5, 0, 35, 20}, 5), left);
    canvas = platform::PixelBuffer(40, 30, Black);
    surface.drawText("Il", {6, 0, 35, 20}, AlignLeft, false);
    EXPECT_EQ(pixelsOf(canvas, White), left);
    for (const auto& pixel : left) {
        EXPECT_GE(pixel.first, 6);
    }
}

TEST_F(RasterText, RightAndCentreAlignmentPlaceTheInk) {
    const PixelSet right = textPixels({5, 0, 35, 20}, AlignRight);
    const PixelSet centre = textPixels({5, 0, 35, 20}, AlignCenter);
    ASSERT_FALSE(right.empty());
    ASSERT_FALSE(centre.empty());
    EXPECT_LE(right.rbegin()->first, 34);
    EXPECT_GE(right.rbegin()->first, 31);
    const int inkLeft = centre.begin()->first;
    const int inkRight = centre.rbegin()->first;
    EXPECT_LE(std::abs((inkLeft - 5) - (34 - inkRight)), 3);
}

TEST_F(RasterText, TextIsVerticallyCentred) {
    const PixelSet high = textPixels({5, 0, 35, 20}, AlignCenter);
    const PixelSet low = textPixels({5, 4, 35, 28}, AlignCenter);
    ASSERT_EQ(high.size(), low.size());
    // Four more rows below and four above the first rectangle: the ink moves down by 6.
    PixelSet moved;
    for (const auto& [h, v] : high) {
        moved.insert({h, v + 6});
    }
    EXPECT_EQ(moved, low);
}

TEST_F(RasterText, OpaqueTextFillsItsCellOnly) {
    textPixels({5, 0, 35, 20}, AlignCenter, true);
    const PixelSet cell = pixelsOf(canvas, Blue);
    ASSERT_FALSE(cell.empty());
    EXPECT_GT(cell.begin()->first, 5);
    EXPECT_GT(cell.begin()->second, 0);
    textPixels({5, 0, 35, 20}, AlignCenter, false);
    EXPECT_TRUE(pixelsOf(canvas, Blue).empty());
}

// Hosts draw the editors of several instances on threads of their own, and
// all of them share the one font library.
TEST(RasterTextThreads, TwoThreadsDrawingAtOnceDrawWhatEachDrawsAlone) {
    const Rect area{0, 0, 120, 40};
    const auto draw = [&area](int pixelHeight) {
        platform::PixelBuffer picture(area.width(), area.height(), Black);
        platform::drawTextLine(picture, "Tarvolin 0.123", area, AlignLeft,
                               {{"Arial", pixelHeight, kFontWeightNormal, kVariablePitchSwiss}});
        return picture;
    };
    const std::array<int, 2> heights{9, 23};
    const std::array<platform::PixelBuffer, 2> alone{draw(heights[0]), draw(heights[1])};
    ASSERT_NE(pixelsOf(alone[0], White), pixelsOf(alone[1], White));
    std::array<int, 2> wrong{};
    std::vector<std::thread> threads;
    for (std::size_t which = 0; which < 2; ++which) {
        threads.emplace_back([&, which] {
            for (int round = 0; round < 300; ++round) {
                wrong[which] +=
                    pixelsOf(draw(heights[which]), White) != pixelsOf(alone[which], White);
            }
        });
    }
    for (std::thread& thread : threads) {
        thread.join();
    }
    EXPECT_EQ(wrong, (std::array<int, 2>{0, 0}));
}

} // namespace
} // namespace tarvolin
