// Draws the test scenes with the raster back end in headless windows and
// writes them as PPM files: the references the Windows build compares its
// GDI drawing of the same scenes with.

#include "ControlScene.h"
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

ScenePixels pixelsOf(const platform::PixelBuffer& drawn) {
    ScenePixels pixels(drawn.width(), drawn.height());
    for (int v = 0; v < pixels.height; ++v) {
        for (int h = 0; h < pixels.width; ++h) {
            pixels.set(h, v, drawn.at({h, v}));
        }
    }
    return pixels;
}

ScenePixels renderScene() {
    platform::HeadlessHost host;
    Frame frame({0, 0, kSceneWidth, kSceneHeight}, &host, nullptr);
    Bitmap* stencil = rasterStencil();
    frame.addView(new SceneView(stencil));
    stencil->forget();
    host.child()->paint();
    return pixelsOf(host.child()->pixels());
}

ScenePixels renderControls() {
    platform::HeadlessHost host;
    Frame frame({0, 0, kControlSceneWidth, kControlSceneHeight}, &host, nullptr);
    addControlScene(frame, nullptr);
    host.child()->paint();
    return pixelsOf(host.child()->pixels());
}

} // namespace
} // namespace tarvolin::test

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s SCENE.ppm CONTROLS.ppm\n", argv[0]);
        return 2;
    }
    using namespace tarvolin::test;
    return writePpm(renderScene(), argv[1]) && writePpm(renderControls(), argv[2]) ? 0 : 1;
}
