#include "instrument/ProgramRecord.h"

#include "instrument/ParameterTable.h"

#include <atomic>
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

namespace {

template <typename Value> void copyRelaxed(Value& to, const Value& from) {
    // A relaxed load does not write; atomic_ref just cannot name a const object yet.
    const Value value =
        std::atomic_ref<Value>(const_cast<Value&>(from)).load(std::memory_order_relaxed);
    std::atomic_ref<Value>(to).store(value, std::memory_order_relaxed);
}

} // namespace

void ProgramRecord::assign(const ProgramRecord& other) {
    for (int c = 0; c < kNumChannels; ++c) {
        for (int i = 0; i < kNumParameters; ++i) {
            copyRelaxed(params[c][i], other.params[c][i]);
        }
    }
    for (int k = 0; k < kControllerMapSize; ++k) {
        copyRelaxed(controllerMap[k], other.controllerMap[k]);
    }
    std::memcpy(name, other.name, sizeof name);
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
