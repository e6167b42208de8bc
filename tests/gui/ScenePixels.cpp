#include "ScenePixels.h"

#include <fstream>

namespace tarvolin::test {

bool writePpm(const ScenePixels& pixels, const std::string& path) {
    std::ofstream file(path, std::ios::binary);
    file << "P6\n" << pixels.width << ' ' << pixels.height << "\n255\n";
    for (const std::uint32_t rgb : pixels.rgb) {
        const char bytes[3] = {static_cast<char>(rgb >> 16), static_cast<char>(rgb >> 8),
                               static_cast<char>(rgb)};
        file.write(bytes, 3);
    }
    return static_cast<bool>(file);
}

std::optional<ScenePixels> readPpm(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::string magic;
    int width = 0;
    int height = 0;
    int maximum = 0;
    file >> magic >> width >> height >> maximum;
    // Exactly one whitespace byte separates the header from the pixels.
    file.get();
    if (!file || magic != "P6" || maximum != 255 || width <= 0 || height <= 0) {
        return std::nullopt;
    }
    ScenePixels pixels(width, height);
    for (std::uint32_t& rgb : pixels.rgb) {
        unsigned char bytes[3] = {};
        file.read(reinterpret_cast<char*>(bytes), 3);
        rgb = (std::uint32_t{bytes[0]} << 16) | (std::uint32_t{bytes[1]} << 8) | bytes[2];
    }
    if (!file) {
        return std::nullopt;
    }
    return pixels;
}

} // namespace tarvolin::test
