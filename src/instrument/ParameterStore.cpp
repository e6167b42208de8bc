#include "instrument/ParameterStore.h"

#include "engine/EngineMath.h"
#include "engine/SynthEngine.h"
#include "instrument/ProgramRecord.h"

namespace tarvolin {

namespace {

// Hosts read program records in place while either thread may store a value,
// so each value goes in as one atomic 32-bit access.
void storeRelaxed(float& slot, float value) {
    std::atomic_ref<float>(slot).store(value, std::memory_order_relaxed);
}

} // namespace

ParameterStore::ParameterStore(SynthEngine& engine, ProgramRecord& program)
    : engine(engine), currentProgram(&program) {}

void ParameterStore::setProgram(ProgramRecord& newProgram) {
    currentProgram.store(&newProgram, std::memory_order_relaxed);
}

void ParameterStore::store(int channel, int index, float value) {
    if (!isInTable(channel, index)) {
        return;
    }
    storeQuietly(channel, index, value);
    if (index == kNoNoteOff) {
        // The program keeps this switch as a whole number; the engine the raw value.
        storeRelaxed(program().params[channel][index], roundToWhole(value));
    }
    last.store(index, std::memory_order_relaxed);
}

void ParameterStore::storeQuietly(int channel, int index, float value) {
    if (!isInTable(channel, index)) {
        return;
    }
    storeRelaxed(program().params[channel][index], value);
    engine.setParameter(channel, index, value);
}

float ParameterStore::value(int channel, int index) const {
    return engine.parameter(channel, index);
}

void ParameterStore::selectChannel(int channel) {
    current.store(channel < 0 ? 0 : (channel >= kNumChannels ? kNumChannels - 1 : channel),
                  std::memory_order_relaxed);
}

} // namespace tarvolin
