#include "gui/Geometry.h"
#include "gui/FontTable.h"

#include <gtest/gtest.h>

#include <cstring>

namespace tarvolin {
namespace {

TEST(Geometry, RightAndBottomEdgesAreInside) {
    const Rect rect(0, 0, 10, 5);
    EXPECT_TRUE(Point(10, 5).isInside(rect));
    EXPECT_TRUE(Point(0, 0).isInside(rect));
    EXPECT_FALSE(Point(11, 5).isInside(rect));
    EXPECT_FALSE(Point(10, 6).isInside(rect));
    EXPECT_FALSE(Point(-1, 0).isInside(rect));
}

TEST(Geometry, CornersAreOrderedWhateverTheirOrder) {
    EXPECT_EQ(Rect::fromCorners({30, 5}, {10, 20}), Rect(10, 5, 30, 20));
    const Rect kept(30, 20, 10, 5);
    EXPECT_EQ(kept.left, 30);
    EXPECT_EQ(kept.width(), -20);
}

TEST(FontTable, OutOfRangeIndexFallsBackToBoldArialTwelve) {
    for (const int index : {9, -1, 7}) {
        const FontRequest font = fontRequestFor(index, 0);
        EXPECT_STREQ(font.face, "Arial");
        EXPECT_EQ(font.pixelHeight, 12);
        EXPECT_EQ(font.weight, 700);
        EXPECT_EQ(font.pitchAndFamily, 0x22);
    }
}

TEST(FontTable, SymbolIsDecorativeAndAnExplicitSizeWins) {
    const FontRequest font = fontRequestFor(6, 20);
    EXPECT_STREQ(font.face, "Symbol");
    EXPECT_EQ(font.pixelHeight, 20);
    EXPECT_EQ(font.weight, 400);
    EXPECT_EQ(font.pitchAndFamily, 0x50);
    EXPECT_EQ(fontRequestFor(5, 0).pixelHeight, 9);
    EXPECT_EQ(fontRequestFor(1, 0).weight, 400);
}

} // namespace
} // namespace tarvolin
