#pragma once

#include "gui/platform/Surface.h"

#include <memory>

namespace tarvolin::platform {

// The module's picture with this resource number, or null when there is none.
// Supplied by exactly one picture back end in each program.
std::unique_ptr<Picture> loadPicture(int resourceNumber);

// The number under which the module keeps a picture drawn again at twice the
// resolution, for screens of high density.
constexpr int denseResourceNumber(int resourceNumber) {
    return resourceNumber + 1000;
}

} // namespace tarvolin::platform
