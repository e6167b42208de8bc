#pragma once

#include "gui/platform/Surface.h"

#include <memory>

namespace tarvolin::platform {

// The module's picture with this resource number, or null when there is none.
// Supplied by exactly one picture back end in each program.
std::unique_ptr<Picture> loadPicture(int resourceNumber);

} // namespace tarvolin::platform
