#pragma once

#include "gui/FontRequest.h"
#include "gui/platform/win32/GdiObject.h"

namespace tarvolin::platform {

// The GDI font a request names, for drawn text and edit windows alike; null
// when GDI cannot make it.
GdiObject<HFONT> gdiFontFor(const FontRequest& request);

} // namespace tarvolin::platform
