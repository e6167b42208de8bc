#include "TestScene.h"
#include "Win32TestSupport.h"

#include "gui/Bitmap.h"
#include "gui/DrawContext.h"
#include "gui/platform/win32/GdiPicture.h"
#include "gui/platform/win32/GdiSurface.h"

#include <gtest/gtest.h>

#include <string>

namespace tarvolin {
namespace {

using test::ScenePixels;

std::string resourceFile(int number) {
    return std::string(TARVOLIN_RESOURCE_DIR) + "/" + std::to_string(number) + ".bmp";
}

// The file as Windows itself reads it, without the module's resources.
ScenePixels filePixels(int number) {
    HBITMAP bitmap = static_cast<HBITMAP>(
        LoadImageA(nullptr, resourceFile(number).c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
    ScenePixels pixels = bitmap != nullptr ? test::pixelsOf(bitmap) : ScenePixels();
    DeleteObject(bitmap);
    return pixels;
}

// A surface on a memory device context of its own, filled with one colour.
class MemorySurface {
public:
    MemorySurface(int width, int height, Colour fill)
        : screen(GetDC(nullptr)),
          surface(std::make_unique<platform::OffscreenDcLease>(screen, width, height), width,
                  height),
          width(width), height(height) {
        context.setFillColour(fill);
        context.fillRect({-1, -1, width, height});
    }
    ~MemorySurface() { ReleaseDC(nullptr, screen); }

    ScenePixels pixels() const { return test::pixelsOf(surface.handle(), width, height); }

    HDC screen;
    platform::GdiSurface surface;
    DrawContext context{nullptr, &surface, nullptr};
    int width;
    int height;
};

TEST(Win32Bitmap, EveryPictureHasThePixelsOfItsFile) {
    for (int number = 128; number <= 137; ++number) {
        const ScenePixels file = filePixels(number);
        ASSERT_GT(file.width, 0) << resourceFile(number);
        Bitmap* bitmap = new Bitmap(number);
        EXPECT_EQ(bitmap->getWidth(), file.width) << number;
        EXPECT_EQ(bitmap->getHeight(), file.height) << number;
        MemorySurface target(file.width, file.height, Grey);
        bitmap->draw(target.context, {0, 0, file.width, file.height});
        EXPECT_TRUE(target.pixels().rgb == file.rgb) << number;
        bitmap->forget();
    }
}

TEST(Win32Bitmap, MissingResourceIsEmptyAndDrawsNothing) {
    Bitmap* missing = new Bitmap(999);
    EXPECT_EQ(missing->getWidth(), 0);
    EXPECT_EQ(missing->getHeight(), 0);
    MemorySurface target(30, 30, Grey);
    const ScenePixels before = target.pixels();
    missing->draw(target.context, {0, 0, 30, 30});
    missing->drawTransparent(target.context, {0, 0, 30, 30});
    EXPECT_EQ(target.pixels().rgb, before.rgb);
    missing->forget();
}

TEST(Win32Bitmap, MaskMarksExactlyThePureWhitePixelsAndIsKept) {
    const ScenePixels stencil = test::stencilPixels();
    const platform::GdiPicture picture(test::screenBitmapOf(stencil));
    MemorySurface target(1, 1, Grey);
    const HBITMAP mask = picture.transparencyMask(target.surface.handle());
    ASSERT_NE(mask, nullptr);
    EXPECT_EQ(picture.transparencyMask(target.surface.handle()), mask);

    const ScenePixels maskPixels = test::pixelsOf(mask);
    int transparent = 0;
    for (int v = 0; v < stencil.height; ++v) {
        for (int h = 0; h < stencil.width; ++h) {
            const bool white = stencil.at(h, v) == test::packed(White);
            transparent += white;
            ASSERT_EQ(maskPixels.at(h, v), test::packed(white ? White : Black)) << h << "," << v;
        }
    }
    EXPECT_GT(transparent, 0);
    EXPECT_LT(transparent, stencil.width * stencil.height);
}

TEST(Win32Bitmap, TransparentDrawingKeepsTheDestinationUnderWhiteAndThePictureAsItWas) {
    const ScenePixels pattern = test::stencilPixels();
    Bitmap* stencil = test::gdiStencil();
    MemorySurface target(40, 40, Red);

    stencil->drawTransparent(target.context, {8, 8, 32, 32});

    const ScenePixels drawn = target.pixels();
    for (int v = 0; v < pattern.height; ++v) {
        for (int h = 0; h < pattern.width; ++h) {
            const std::uint32_t picture = pattern.at(h, v);
            const std::uint32_t expected =
                picture == test::packed(White) ? test::packed(Red) : picture;
            ASSERT_EQ(drawn.at(8 + h, 8 + v), expected) << h << "," << v;
        }
    }
    MemorySurface after(pattern.width, pattern.height, Black);
    stencil->draw(after.context, {0, 0, pattern.width, pattern.height});
    EXPECT_EQ(after.pixels().rgb, pattern.rgb);
    stencil->forget();
}

} // namespace
} // namespace tarvolin
