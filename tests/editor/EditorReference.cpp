// Photographs the headless module's editor in the reference state, at scale 1
// or 2, and writes it as a PPM file: the picture the Windows build's editor,
// in a real window, must match pixel for pixel.

#include "EditorSession.h"
#include "ReferenceState.h"
#include "ScenePixels.h"

#include <cstdio>
#include <string_view>

int main(int argc, char** argv) {
    using namespace tarvolin;
    if (argc != 3 || (std::string_view(argv[2]) != "1" && std::string_view(argv[2]) != "2")) {
        std::fputs("usage: tarvolin_editor_reference OUTPUT.ppm 1|2\n", stderr);
        return 2;
    }
    testing::EditorSession session;
    session.window.setDisplayScale(argv[2][0] - '0');
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
