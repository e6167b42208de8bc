#pragma once

#include "gui/platform/raster/PixelBuffer.h"

#include <cstdint>
#include <optional>
#include <span>

namespace tarvolin::platform {

// Decodes an uncompressed 24-bit BMP file (bottom-up or top-down rows).
// Anything else, or a file shorter than its headers claim, gives nothing.
std::optional<PixelBuffer> readBmp(std::span<const std::uint8_t> file);

} // namespace tarvolin::platform
