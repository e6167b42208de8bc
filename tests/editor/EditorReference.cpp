// Photographs the headless module's editor in the reference state and writes
// it as a PPM file: the picture the Windows build's editor, in a real window,
// must match pixel for pixel.

#include "EditorSession.h"
#include "ReferenceState.h"
#include "ScenePixels.h"

#include <cstdio>

int main(int argc, char** argv) {
    using namespace tarvolin;
    if (argc != 2) {
        std::fputs("usage: tarvolin_editor_reference OUTPUT.ppm\n", stderr);
        return 2;
    }
    testing::EditorSession session;
    testing::applyReferenceState(session.plugin);
    if (session.open() != 1) {
        std::fputs("the headless module did not open its editor\n", stderr);
        return 1;
    }
    session.idle();
    const platform::PixelBuffer& drawn = session.pixels();
    test::ScenePixels pixels(drawn.width(), drawn.height());
    for (int v = 0; v < pixels.height; ++v) {
        for (int h = 0; h < pixels.width; ++h) {
            pixels.set(h, v, drawn.at({h, v}));
        }
    }
    return test::writePpm(pixels, argv[1]) ? 0 : 1;
}
