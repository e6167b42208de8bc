// Draws the test scene with the raster back end in a headless window and
// writes it as a PPM file: the reference the Windows build compares its GDI
// drawing of the same scene with.

#include "ScenePixels.h"
#include "TestScene.h"

#include "gui/Frame.h"
#include "gui/platform/headless/HeadlessHost.h"
#include "gui/platform/headless/HeadlessWindow.h"
#include "gui/platform/raster/RasterPicture.h"

#include <cstdio>

namespace tarvolin::test {
namespace {

Bitmap* rasterStencil() {
    platform::PixelBuffer pixels(kStencilSize, kStencilSize);
    for (int v = 0; v < kStencilSize; ++v) {
        for (int h = 0; h < kStencilSize; ++h) {
            pixels.set({h, v}, platform::PixelBuffer::pack(stencilPixel(h, v)));
        }
    }
    return new Bitmap(0, std::make_unique<platform::RasterPicture>(std::move(pixels)));
}

ScenePixels renderScene() {
    platform::HeadlessHost host;
    Frame frame({0, 0, kSceneWidth, kSceneHeight}, &host, nullptr);
    Bitmap* stencil = rasterStencil();
    frame.addView(new SceneView(stencil));
    stencil->forget();
    host.child()->paint();
    const platform::PixelBuffer& drawn = host.child()->pixels();
    ScenePixels pixels(drawn.width(), drawn.height());
    for (int v = 0; v < pixels.height; ++v) {
        for (int h = 0; h < pixels.width; ++h) {
            pixels.set(h, v, drawn.at({h, v}));
        }
    }
    return pixels;
}

} // namespace
} // namespace tarvolin::test

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.ppm\n", argv[0]);
        return 2;
    }
    return tarvolin::test::writePpm(tarvolin::test::renderScene(), argv[1]) ? 0 : 1;
}
