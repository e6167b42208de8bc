#pragma once

#include "instrument/MidiEvent.h"
#include "instrument/ParameterDisplay.h"
#include "instrument/ParameterStore.h"
#include "instrument/ProgramBank.h"
#include "instrument/RenderLoop.h"
#include "instrument/TuneExport.h"

#include <cstddef>
#include <memory>
#include <span>

namespace tarvolin {

class InstrumentListener;
class SynthEngine;

// The instrument, whatever plug-in format carries it: 52 parameters on each
// of 16 MIDI channels, five programs whose current one is also the state,
// sample-exact MIDI and the tune export. The voice of the first channel
// sounds, in mono.
class Instrument {
public:
    static constexpr const char* kName = "Tarvolin";
    static constexpr const char* kVendor = "Halbrook";

    explicit Instrument(float sampleRate = 44100.0f);
    ~Instrument();
    Instrument(const Instrument&) = delete;
    Instrument& operator=(const Instrument&) = delete;

    // Follows every value stored from now on; null for none.
    void setListener(InstrumentListener* listener) { parameters.setListener(listener); }

    // Parameters of the current channel, as hosts and the editor see them.
    // Storing the channel selector selects its channel; storing the export
    // switch writes the tune file.
    float value(int index) const;
    void setValue(int index, float value);
    DisplayText displayText(int index) const;
    int currentChannel() const { return parameters.currentChannel(); }
    // The parameter stored last, which MIDI learning binds.
    int lastParameter() const { return parameters.lastParameter(); }

    ProgramBank& programs() { return programBank; }
    const ProgramBank& programs() const { return programBank; }
    // The state is the current program's record.
    std::span<const std::byte> state() const;
    bool restoreState(std::span<const std::byte> state) { return programBank.restore(state); }

    // A rate the engine cannot run at is refused (false), so the rate in use
    // stays the one hosts were told; the engine takes a new one at its next
    // block.
    bool setSampleRate(float rate);

    // The events of the block about to be rendered, in time order: a list
    // starts, then each event falls due at its delay from the block's start,
    // in this block or a later one. They wait in a queue of 500; more are
    // dropped.
    void startEvents() { renderLoop.events().startList(); }
    void receiveEvent(const MidiEvent& event) { renderLoop.events().receive(event); }
    // Renders frames mono samples into output, or into nothing: the voice
    // moves on all the same.
    void render(float* output, int frames) { renderLoop.render(output, frames); }
    // Handles a message at once, between two renders: for formats whose
    // events carry their own sample and split the block there, so that none
    // waits in the queue.
    void playNow(const MidiEvent& event) { renderLoop.handleNow(event); }
    // Silences a channel's voice at once if it plays the key, whatever key
    // for a negative one.
    void chokeNote(int channel, int key);

    // On the audio thread: silent at once, as a new instance is, with no
    // event waiting; parameters and programs stay.
    void reset();
    // Whether the voice is silent and waits for a note; and how many samples
    // its release still sounds (infinity while a note is held).
    bool isIdle() const;
    float tailSamples() const;

private:
    void selectChannel(float value);

    std::unique_ptr<SynthEngine> engine;
    ParameterStore parameters;
    ProgramBank programBank;
    RenderLoop renderLoop;
    TuneExport tuneExport;
};

} // namespace tarvolin
