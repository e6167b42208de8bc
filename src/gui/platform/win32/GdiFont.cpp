#include "gui/platform/win32/GdiFont.h"

#include <cstring>

namespace tarvolin::platform {

GdiObject<HFONT> gdiFontFor(const FontRequest& request) {
    LOGFONTA description{};
    description.lfHeight = -request.pixelHeight;
    description.lfWeight = request.weight;
    description.lfCharSet = ANSI_CHARSET;
    description.lfOutPrecision = OUT_STRING_PRECIS;
    description.lfClipPrecision = CLIP_STROKE_PRECIS;
    description.lfQuality = DEFAULT_QUALITY;
    description.lfPitchAndFamily = static_cast<BYTE>(request.pitchAndFamily);
    std::strncpy(description.lfFaceName, request.face, LF_FACESIZE - 1);
    return GdiObject<HFONT>(CreateFontIndirectA(&description));
}

} // namespace tarvolin::platform
