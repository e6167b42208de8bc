#include "instrument/ParameterStore.h"

#include "engine/EngineMath.h"
#include "engine/SynthEngine.h"
#include "instrument/InstrumentListener.h"
#include "instrument/ProgramRecord.h"

namespace tarvolin {

namespace {

// Hosts read program records in place while either thread may store a value,
// so each value goes in as one atomic 32-bit access.
void storeRelaxed(float& slot, float value) {
    std::atomic_ref<float>(slot).store(value, std::memory_order_relaxed);
}

} // namespace

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
    if (listener != nullptr) {
        listener->valueStored(channel, index, value);
    }
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
    const int selected = channel < 0 ? 0 : (channel >= kNumChannels ? kNumChannels - 1 : channel);
    current.store(selected, std::memory_order_relaxed);
    // Storing the new channel's values again shows them in the current
    // program and to the listener.
    for (int i = 0; i < kReloadedParameters; ++i) {
        store(selected, i, value(selected, i));
    }
    if (listener != nullptr) {
        listener->channelSelected(selected);
    }
}

} // namespace tarvolin
