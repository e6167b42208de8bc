#pragma once

#include <cstdint>
#include <span>

namespace tarvolin::platform {

// The BMP file of the picture with this resource number, as built into the
// module; empty for numbers that have no picture.
std::span<const std::uint8_t> embeddedArtwork(int resourceNumber);

} // namespace tarvolin::platform
