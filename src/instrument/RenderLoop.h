#pragma once

#include "instrument/MidiEventQueue.h"
#include "instrument/MidiInput.h"

namespace tarvolin {

class ParameterStore;
class SynthEngine;

// Plays blocks sample-exactly: the queued MIDI events fall due at the start
// of their sample, and between them the engine renders in one stretch. Runs
// on the audio thread and allocates nothing.
class RenderLoop {
public:
    RenderLoop(SynthEngine& engine, ParameterStore& parameters);

    // The events of the coming blocks, as the MIDI event queue takes them.
    MidiEventQueue& events() { return queue; }

    // Writes frames mono samples to output (nothing at all for no frames);
    // without an output the voice still moves on, as it would be heard.
    void render(float* output, int frames);
    // Handles a message now, outside the queue.
    void handleNow(const MidiEvent& event) { input.handle(event); }

private:
    void dispatchDueEvents();
    void discardStretch(int frames);

    SynthEngine& engine;
    MidiEventQueue queue;
    MidiInput input;
};

} // namespace tarvolin
