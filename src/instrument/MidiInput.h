#pragma once

namespace tarvolin {

class ParameterStore;
class SynthEngine;
struct MidiEvent;

// What a MIDI message does once it is due: notes play the channel's voice,
// the wheel bends it, channel mode messages silence or release it,
// controllers move the parameters the current program binds them to, and
// learn bindings while the channel's learn switch is on. Runs on the audio
// thread.
class MidiInput {
public:
    MidiInput(SynthEngine& engine, ParameterStore& parameters)
        : engine(engine), parameters(parameters) {}

    void handle(const MidiEvent& event);

private:
    void handleController(int channel, int controller, int value);

    SynthEngine& engine;
    ParameterStore& parameters;
};

} // namespace tarvolin
