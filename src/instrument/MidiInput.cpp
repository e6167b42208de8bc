#include "instrument/MidiInput.h"

#include "engine/EngineMath.h"
#include "engine/SynthEngine.h"
#include "instrument/ChannelMessages.h"
#include "instrument/MidiEvent.h"
#include "instrument/ParameterStore.h"

#include <atomic>
#include <cstdint>

namespace tarvolin {

namespace {

// MIDI controllers act on the sound settings only. A binding to the channel
// selector or the export switch stays in the record, but acting on it would
// run a host request or write a file on the audio thread.
constexpr int kLastControllable = kNoNoteOff;

// Controller bindings are read on the audio thread while learning or a chunk
// may write them.
void storeRelaxed(std::int32_t& slot, std::int32_t value) {
    std::atomic_ref<std::int32_t>(slot).store(value, std::memory_order_relaxed);
}
std::int32_t loadRelaxed(std::int32_t& slot) {
    return std::atomic_ref<std::int32_t>(slot).load(std::memory_order_relaxed);
}

} // namespace

void MidiInput::handle(const MidiEvent& event) {
    const int status = event.bytes[0];
    const int channel = status & 0x0F;
    const int data1 = event.bytes[1] & 0x7F;
    const int data2 = event.bytes[2] & 0x7F;
    switch (status & 0xF0) {
    case 0x90:
        if (data2 != 0) {
            engine.noteOn(data1, channel);
            break;
        }
        [[fallthrough]]; // velocity 0 is a note off
    case 0x80:
        engine.noteOff(data1, channel);
        break;
    case 0xB0:
        handleController(channel, data1, data2);
        break;
    case 0xE0:
        engine.pitchBend(channel, data2 << 7 | data1);
        break;
    default:
        break;
    }
}

void MidiInput::handleController(int channel, int controller, int value) {
    if (takeChannelController(engine, channel, controller, value)) {
        return;
    }
    std::int32_t& binding = parameters.program().controllerMap[controller];
    if (parameters.value(channel, kMidiLearn) > 0.0f) {
        storeRelaxed(binding, parameters.lastParameter());
    }
    const std::int32_t parameter = loadRelaxed(binding);
    if (parameter < 1 || parameter > kLastControllable) {
        return;
    }
    parameters.store(channel, parameter, static_cast<float>(value) * kMidiValueScale);
}

} // namespace tarvolin
