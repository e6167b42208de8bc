#pragma once

#include "engine/ParameterIndex.h"
#include "instrument/ProgramRecord.h"

#include <atomic>

namespace tarvolin {

class InstrumentListener;
class SynthEngine;

// A program load and a channel switch store the sound settings 0..49 again;
// the channel selector and the export switch would act on being stored.
inline constexpr int kReloadedParameters = kNoNoteOff + 1;

// Every channel's parameter values, which live twice: in the current program,
// the record hosts save, and in the engine, which renders them. Beside them the
// channel hosts and the editor see, and the parameter stored last, which MIDI
// learning binds. Every store names its channel, so a controller on one
// channel or a program load never borrows the current channel: that changes
// only when the user or the host selects another one. Any thread may store;
// the listener hears of every value stored.
class ParameterStore {
public:
    // Stores nothing until a program is set.
    explicit ParameterStore(SynthEngine& engine) : engine(engine) {}
    ParameterStore(const ParameterStore&) = delete;
    ParameterStore& operator=(const ParameterStore&) = delete;

    // The record stores write into from now on: the program just selected.
    void setProgram(ProgramRecord& program);
    // The current program, safe to ask for on any thread.
    ProgramRecord& program() const { return *currentProgram.load(std::memory_order_relaxed); }

    // Set before values are stored from more than one thread.
    void setListener(InstrumentListener* newListener) { listener = newListener; }

    // Stores index 0..51 of a channel as given, in the engine and the program
    // (where index 49 is kept as a whole number), makes it the last parameter
    // and tells the listener. Channels outside 0..15 and other indices store
    // nothing.
    void store(int channel, int index, float value);
    // Stores into the engine and the program alike, without touching the
    // last parameter: for the two switches a program load carries along.
    void storeQuietly(int channel, int index, float value);
    // The engine's copy, as stored; 0 for anything outside the table.
    float value(int channel, int index) const;
    // The program's copy, where index 49 differs. Inline on purpose: the
    // 32-bit calling convention returns floats through the x87 stack, which
    // quiets signalling NaNs, and a program applied from a chunk must keep
    // the host's bytes.
    float programValue(int channel, int index) const {
        if (!isInTable(channel, index)) {
            return 0.0f;
        }
        return std::atomic_ref<float>(program().params[channel][index])
            .load(std::memory_order_relaxed);
    }

    int currentChannel() const { return current.load(std::memory_order_relaxed); }
    // Makes channel the one hosts and the editor see, held within 0..15,
    // stores its values 0..49 again and tells the listener.
    void selectChannel(int channel);
    int lastParameter() const { return last.load(std::memory_order_relaxed); }

private:
    static bool isInTable(int channel, int index) {
        return channel >= 0 && channel < kNumChannels && index >= 0 && index < kNumParameters;
    }

    SynthEngine& engine;
    InstrumentListener* listener = nullptr;
    std::atomic<ProgramRecord*> currentProgram{nullptr};
    std::atomic<int> current{0};
    std::atomic<int> last{0};
};

} // namespace tarvolin
