// Draws one of each control of the toolkit with the project's pictures and
// writes the picture as a PNG file, for review.

#include "Gallery.h"

#include "gui/platform/raster/PngWriter.h"

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FILE.png\n", argv[0]);
        return 2;
    }
    if (!tarvolin::platform::writePng(tarvolin::gallery::drawGallery(), argv[1])) {
        std::fprintf(stderr, "toolkit-gallery: cannot write %s\n", argv[1]);
        return 1;
    }
    std::printf("toolkit-gallery: wrote %s\n", argv[1]);
    return 0;
}
