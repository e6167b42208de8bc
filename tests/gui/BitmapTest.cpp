#include "PixelSets.h"

#include "gui/Bitmap.h"
#include "gui/DrawContext.h"
#include "gui/platform/raster/BmpReader.h"
#include "gui/platform/raster/RasterPicture.h"
#include "gui/platform/raster/RasterSurface.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <vector>

namespace tarvolin {
namespace {

using platform::PixelBuffer;

// Tells when the bitmap that owns it lets it go.
class WatchedPicture : public platform::RasterPicture {
public:
    WatchedPicture(bool& destroyed) : RasterPicture(PixelBuffer(2, 2)), destroyed(destroyed) {}
    ~WatchedPicture() override { destroyed = true; }

private:
    bool& destroyed;
};

std::vector<std::uint8_t> resourceFile(int number) {
    std::ifstream file(std::string(TARVOLIN_RESOURCE_DIR) + "/" + std::to_string(number) + ".bmp",
                       std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// A 2 by 2 bottom-up 24-bit BMP: top row red, white; bottom row blue, green.
std::vector<std::uint8_t> tinyBmp() {
    std::vector<std::uint8_t> file(54 + 16, 0);
    auto put32 = [&file](std::size_t at, std::uint32_t value) {
        for (int i = 0; i < 4; ++i) {
            file[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
        }
    };
    file[0] = 'B';
    file[1] = 'M';
    put32(2, static_cast<std::uint32_t>(file.size()));
    put32(10, 54);
    put32(14, 40);
    put32(18, 2);
    put32(22, 2);
    file[26] = 1;
    file[28] = 24;
    // Rows are stored bottom first, blue-green-red, padded to four bytes.
    const std::uint8_t rows[16] = {255, 0, 0, 0, 255, 0, 0, 0, 0, 0, 255, 255, 255, 255, 0, 0};
    std::copy(std::begin(rows), std::end(rows), file.begin() + 54);
    return file;
}

class BitmapDrawing : public ::testing::Test {
protected:
    PixelBuffer canvas{60, 60, Grey};
    platform::RasterSurface surface{canvas};
    DrawContext context{nullptr, &surface, nullptr};

    static Bitmap* pictureOf(const PixelBuffer& pixels) {
        return new Bitmap(0, std::make_unique<platform::RasterPicture>(pixels));
    }
};

TEST(BmpReader, DecodesRowsBottomUpInRedGreenBlue) {
    const auto pixels = platform::readBmp(tinyBmp());
    ASSERT_TRUE(pixels.has_value());
    EXPECT_EQ(pixels->colourAt({0, 0}), Red);
    EXPECT_EQ(pixels->colourAt({1, 0}), White);
    EXPECT_EQ(pixels->colourAt({0, 1}), Blue);
    EXPECT_EQ(pixels->colourAt({1, 1}), Green);
}

TEST(BmpReader, RefusesTruncatedAndUnsupportedFiles) {
    std::vector<std::uint8_t> file = tinyBmp();
    file.resize(file.size() - 1);
    EXPECT_FALSE(platform::readBmp(file).has_value());
    file = tinyBmp();
    file[28] = 8;
    EXPECT_FALSE(platform::readBmp(file).has_value());
    file = tinyBmp();
    file[10] = 0xff;
    file[11] = 0xff;
    EXPECT_FALSE(platform::readBmp(file).has_value());
    EXPECT_FALSE(platform::readBmp({}).has_value());
}

TEST(Bitmap, LoadsEveryEditorPictureAtItsFileSize) {
    const int sizes[10][2] = {{676, 345}, {34, 1186}, {46, 1848}, {10, 184}, {10, 102},
                              {10, 22},   {10, 170},  {50, 50},   {75, 40},  {400, 267}};
    for (int number = 128; number <= 137; ++number) {
        Bitmap* bitmap = new Bitmap(number);
        EXPECT_EQ(bitmap->getWidth(), sizes[number - 128][0]) << number;
        EXPECT_EQ(bitmap->getHeight(), sizes[number - 128][1]) << number;
        bitmap->forget();
    }
}

TEST(Bitmap, SurvivesUntilTheLastReferenceIsForgotten) {
    bool destroyed = false;
    Bitmap* bitmap = new Bitmap(129, std::make_unique<WatchedPicture>(destroyed));
    bitmap->remember();
    bitmap->remember();
    bitmap->forget();
    bitmap->forget();
    EXPECT_FALSE(destroyed);
    EXPECT_EQ(bitmap->getReferenceCount(), 1);
    bitmap->forget();
    EXPECT_TRUE(destroyed);
}

TEST_F(BitmapDrawing, MissingResourceIsEmptyAndDrawsNothing) {
    Bitmap* missing = new Bitmap(999);
    EXPECT_EQ(missing->getWidth(), 0);
    EXPECT_EQ(missing->getHeight(), 0);
    missing->draw(context, {0, 0, 60, 60});
    missing->drawTransparent(context, {0, 0, 60, 60});
    EXPECT_EQ(canvas, PixelBuffer(60, 60, Grey));
    missing->forget();
}

TEST_F(BitmapDrawing, StripOffsetShowsTheThirdImage) {
    const auto file = platform::readBmp(resourceFile(129));
    ASSERT_TRUE(file.has_value());
    Bitmap* knob = new Bitmap(129);
    knob->draw(context, {5, 7, 39, 39}, {0, 64});
    for (int v = 0; v < 60; ++v) {
        for (int h = 0; h < 60; ++h) {
            const bool inside = h >= 5 && h < 39 && v >= 7 && v < 39;
            const Colour expected = inside ? file->colourAt({h - 5, v - 7 + 64}) : Grey;
            ASSERT_EQ(canvas.colourAt({h, v}), expected) << h << "," << v;
        }
    }
    knob->forget();
}

TEST_F(BitmapDrawing, CopiesNeverReadBeyondThePicture) {
    Bitmap* small = pictureOf(PixelBuffer(4, 3, Red));
    small->draw(context, {10, 10, 30, 30}, {2, 1});
    EXPECT_EQ(test::pixelsOf(canvas, Red), test::block(10, 10, 11, 11));
    small->forget();
}

TEST_F(BitmapDrawing, WhiteLeavesTheDestinationAndThePictureAlone) {
    Bitmap* white = pictureOf(PixelBuffer(20, 20, White));
    white->drawTransparent(context, {0, 0, 20, 20});
    EXPECT_EQ(canvas, PixelBuffer(60, 60, Grey));
    white->draw(context, {0, 0, 20, 20});
    EXPECT_EQ(test::pixelsOf(canvas, White), test::block(0, 0, 19, 19));
    white->forget();
}

TEST_F(BitmapDrawing, PictureWithoutWhiteDrawsAsAnOpaqueCopy) {
    PixelBuffer pattern(16, 12, Blue);
    pattern.set({3, 4}, PixelBuffer::pack(Yellow));
    pattern.set({15, 11}, PixelBuffer::pack({254, 255, 255, 0}));
    Bitmap* picture = pictureOf(pattern);
    picture->drawTransparent(context, {10, 20, 26, 32});
    PixelBuffer opaque(60, 60, Grey);
    platform::RasterSurface opaqueSurface(opaque);
    DrawContext opaqueContext(nullptr, &opaqueSurface, nullptr);
    picture->draw(opaqueContext, {10, 20, 26, 32});
    EXPECT_EQ(canvas, opaque);
    picture->forget();
}

TEST_F(BitmapDrawing, OnlyPureWhitePixelsAreLeftOut) {
    PixelBuffer pattern(2, 1, White);
    pattern.set({1, 0}, PixelBuffer::pack(Black));
    Bitmap* picture = pictureOf(pattern);
    picture->drawTransparent(context, {0, 0, 2, 1});
    EXPECT_EQ(canvas.colourAt({0, 0}), Grey);
    EXPECT_EQ(canvas.colourAt({1, 0}), Black);
    picture->forget();
}

} // namespace
} // namespace tarvolin
