#include "gui/platform/raster/PngWriter.h"

#include <png.h>

#include <cstdio>
#include <vector>

namespace tarvolin::platform {

namespace {

// libpng reports errors by long jumps; keeping the jump target in a function
// of its own leaves no C++ object with a destructor between it and the call.
bool writeRows(std::FILE* file, int width, int height, png_bytepp rows) {
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (png == nullptr) {
        return false;
    }
    png_infop info = png_create_info_struct(png);
    if (info == nullptr || setjmp(png_jmpbuf(png)) != 0) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
                 PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    png_write_image(png, rows);
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

} // namespace

bool writePng(const PixelBuffer& pixels, const char* path) {
    if (path == nullptr || pixels.width() == 0) {
        return false;
    }
    const auto width = static_cast<std::size_t>(pixels.width());
    std::vector<png_byte> bytes(width * static_cast<std::size_t>(pixels.height()) * 3);
    std::vector<png_bytep> rows(static_cast<std::size_t>(pixels.height()));
    for (int v = 0; v < pixels.height(); ++v) {
        png_bytep row = bytes.data() + static_cast<std::size_t>(v) * width * 3;
        rows[static_cast<std::size_t>(v)] = row;
        for (int h = 0; h < pixels.width(); ++h) {
            const Colour colour = pixels.colourAt({h, v});
            row[h * 3] = colour.red;
            row[h * 3 + 1] = colour.green;
            row[h * 3 + 2] = colour.blue;
        }
    }
    std::FILE* file = std::fopen(path, "wb");
    if (file == nullptr) {
        return false;
    }
    const bool written = writeRows(file, pixels.width(), pixels.height(), rows.data());
    return std::fclose(file) == 0 && written;
}

} // namespace tarvolin::platform
