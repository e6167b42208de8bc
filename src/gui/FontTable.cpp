#include "gui/FontTable.h"

namespace tarvolin {

FontRequest fontRequestFor(int index, int size) {
    if (index < 0 || index >= static_cast<int>(fontTable.size())) {
        index = 0;
    }
    const FontTableRow& row = fontTable[static_cast<std::size_t>(index)];
    FontRequest request;
    request.face = row.face;
    request.pixelHeight = size == 0 ? row.defaultSize : size;
    request.weight = index == 0 ? kFontWeightBold : kFontWeightNormal;
    request.pitchAndFamily = index == 6 ? kDefaultPitchDecorative : kVariablePitchSwiss;
    return request;
}

} // namespace tarvolin
