#pragma once

#include "engine/ParameterIndex.h"

#include <array>

namespace tarvolin {

// What hosts see of each parameter: its name (some end in a space, and they
// are longer than the customary 8 characters) and the value a new program holds.
struct ParameterInfo {
    const char* name;
    float defaultValue;
};

extern const std::array<ParameterInfo, kNumParameters> kParameterTable;

// The name hosts see for any index, "Param" for those without one.
const char* parameterName(int index);

} // namespace tarvolin
