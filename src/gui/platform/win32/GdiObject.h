#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

namespace tarvolin::platform {

struct GdiObjectDeleter {
    void operator()(void* object) const { DeleteObject(static_cast<HGDIOBJ>(object)); }
};

// A pen, brush, font or bitmap made here and deleted when it goes; whoever
// selected it into a device context selects it out first.
template <typename Handle>
using GdiObject = std::unique_ptr<std::remove_pointer_t<Handle>, GdiObjectDeleter>;

} // namespace tarvolin::platform
