#include "gui/platform/raster/PngWriter.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <vector>

namespace tarvolin {
namespace {

TEST(PngWriter, WritesSignatureAndSizeAndRefusesBadTargets) {
    const std::string path = ::testing::TempDir() + "tarvolin-gui-test.png";
    ASSERT_TRUE(platform::writePng(platform::PixelBuffer(300, 2, Red), path.c_str()));
    std::ifstream file(path, std::ios::binary);
    const std::vector<unsigned char> bytes{std::istreambuf_iterator<char>(file),
                                           std::istreambuf_iterator<char>()};
    ASSERT_GE(bytes.size(), 24u);
    const unsigned char signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    EXPECT_TRUE(std::equal(std::begin(signature), std::end(signature), bytes.begin()));
    // The header chunk holds the width and height big-endian.
    EXPECT_EQ((bytes[18] << 8) | bytes[19], 300);
    EXPECT_EQ((bytes[22] << 8) | bytes[23], 2);
    std::remove(path.c_str());

    EXPECT_FALSE(platform::writePng(platform::PixelBuffer(), path.c_str()));
    EXPECT_FALSE(platform::writePng(platform::PixelBuffer(2, 2), nullptr));
    EXPECT_FALSE(platform::writePng(platform::PixelBuffer(2, 2), "/nonexistent-dir/x.png"));
}

} // namespace
} // namespace tarvolin
