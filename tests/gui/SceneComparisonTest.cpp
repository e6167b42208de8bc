#include "SceneComparison.h"
#include "ScenePixels.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace tarvolin {
namespace {

using test::compareCell;
using test::ScenePixels;

constexpr std::uint32_t kGround = 0x7f7f7f;
constexpr std::uint32_t kInk = 0xff0000;

ScenePixels groundWithInkAt(std::initializer_list<std::pair<int, int>> ink) {
    ScenePixels pixels(20, 20);
    std::fill(pixels.rgb.begin(), pixels.rgb.end(), kGround);
    for (const auto& [h, v] : ink) {
        pixels.set(h, v, kInk);
    }
    return pixels;
}

TEST(SceneComparison, IdenticalCellsDoNotDiffer) {
    const ScenePixels pixels = groundWithInkAt({{3, 4}, {5, 6}});
    const auto difference = compareCell(pixels, pixels, {0, 0, 20, 20});
    EXPECT_EQ(difference.differing, 0);
    EXPECT_EQ(difference.farthest, 0);
}

TEST(SceneComparison, InkMovedByTwoPixelsIsTwoAway) {
    const auto difference =
        compareCell(groundWithInkAt({{5, 5}}), groundWithInkAt({{7, 4}}), {0, 0, 20, 20});
    EXPECT_EQ(difference.differing, 2);
    EXPECT_EQ(difference.farthest, 2);
}

TEST(SceneComparison, InkMissingFromOneSideIsOutOfReach) {
    const auto difference =
        compareCell(groundWithInkAt({{5, 5}}), groundWithInkAt({}), {0, 0, 20, 20});
    EXPECT_EQ(difference.differing, 1);
    EXPECT_EQ(difference.farthest, test::kOutOfReach);
}

TEST(SceneComparison, OnlyTheCellCounts) {
    const ScenePixels first = groundWithInkAt({{15, 15}, {2, 2}});
    const ScenePixels second = groundWithInkAt({{2, 2}});
    EXPECT_EQ(compareCell(first, second, {0, 0, 10, 10}).differing, 0);
    // Ink just outside the cell is no match for ink inside it.
    const auto difference =
        compareCell(groundWithInkAt({{9, 9}}), groundWithInkAt({{10, 9}}), {0, 0, 10, 10});
    EXPECT_EQ(difference.farthest, test::kOutOfReach);
}

TEST(SceneComparison, InkRectanglesAreComparedEdgeByEdge) {
    // The top-left pixel is the ground: ink spans (2, 3)..(6, 8) and (2, 3)..(9, 8).
    ScenePixels first = groundWithInkAt({{2, 3}, {6, 8}});
    ScenePixels second = groundWithInkAt({{2, 3}, {9, 8}, {9, 7}});
    second.set(9, 7, 0x00ff00);
    auto difference = compareCell(first, second, {0, 0, 20, 20});
    EXPECT_EQ(difference.inkOffset, 3);
    EXPECT_TRUE(difference.sameMainInk);

    second.set(2, 3, 0x00ff00);
    difference = compareCell(first, second, {0, 0, 20, 20});
    EXPECT_FALSE(difference.sameMainInk);
}

TEST(SceneComparison, InkOnOneSideOnlyIsFarOff) {
    const auto difference =
        compareCell(groundWithInkAt({{12, 12}}), groundWithInkAt({}), {0, 0, 20, 20});
    EXPECT_GE(difference.inkOffset, 12);
}

TEST(ScenePixels, SurvivesAPpmFile) {
    ScenePixels pixels = groundWithInkAt({{1, 2}});
    pixels.set(19, 19, 0x0a0b0c);
    const std::string path = ::testing::TempDir() + "scene-pixels-test.ppm";
    ASSERT_TRUE(test::writePpm(pixels, path));
    const auto read = test::readPpm(path);
    std::remove(path.c_str());
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(read->width, 20);
    EXPECT_EQ(read->height, 20);
    EXPECT_EQ(read->rgb, pixels.rgb);
}

} // namespace
} // namespace tarvolin
