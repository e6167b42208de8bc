#include "instrument/ProgramRecord.h"

#include "instrument/ParameterTable.h"

#include <cstring>

namespace tarvolin {

ProgramRecord ProgramRecord::makeDefault() {
    ProgramRecord record{};
    for (auto& channel : record.params) {
        for (int i = 0; i < kNumParameters; ++i) {
            channel[i] = kParameterTable[static_cast<std::size_t>(i)].defaultValue;
        }
    }
    record.controllerMap[40] = kCutoff;
    record.controllerMap[42] = kResonance;
    record.setName("default");
    return record;
}

void ProgramRecord::setName(const char* text) {
    const std::size_t length = strnlen(text, kProgramNameSize - 1);
    std::memcpy(name, text, length);
    name[length] = '\0';
}

void ProgramRecord::copyName(char* text) const {
    const std::size_t length = strnlen(name, kProgramNameSize - 1);
    std::memcpy(text, name, length);
    text[length] = '\0';
}

} // namespace tarvolin
