#include "Gallery.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>

namespace tarvolin::gallery {
namespace {

TEST(Gallery, ShowsEveryControlInItsPlace) {
    const platform::PixelBuffer drawn = drawGallery();
    ASSERT_EQ(drawn.width(), kGalleryWidth);
    ASSERT_EQ(drawn.height(), kGalleryHeight);
    std::set<std::string> names;
    for (const Exhibit& exhibit : exhibits()) {
        names.insert(exhibit.name);
        int painted = 0;
        for (int v = exhibit.place.top; v < exhibit.place.bottom; ++v) {
            for (int h = exhibit.place.left; h < exhibit.place.right; ++h) {
                painted += !drawn.colourAt({h, v}).sameRgb(kWall);
            }
        }
        // Every pixel of each control is its own, not the wall's.
        EXPECT_EQ(painted, exhibit.place.width() * exhibit.place.height()) << exhibit.name;
    }
    EXPECT_EQ(names.size(), 21u);
}

TEST(Gallery, TheToolWritesThePicture) {
    const std::filesystem::path picture =
        std::filesystem::temp_directory_path() / "tarvolin-gallery-test.png";
    std::filesystem::remove(picture);
    const std::string command = std::string(TARVOLIN_GALLERY_EXECUTABLE) + " " + picture.string();
    ASSERT_EQ(std::system((command + " > /dev/null").c_str()), 0);
    EXPECT_GT(std::filesystem::file_size(picture), 10000u);
    std::filesystem::remove(picture);
    EXPECT_NE(std::system((std::string(TARVOLIN_GALLERY_EXECUTABLE) + " 2> /dev/null").c_str()), 0);
}

} // namespace
} // namespace tarvolin::gallery
