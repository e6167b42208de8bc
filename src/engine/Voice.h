#pragma once

#include "engine/Envelope.h"
#include "engine/LadderFilter.h"
#include "engine/Oscillator.h"
#include "engine/WavetableLfo.h"

namespace tarvolin {

// The DSP objects of one channel's monophonic voice. All of them are built
// with the engine and live as long as it; nothing here allocates.
struct Voice {
    explicit Voice(float sampleRate) noexcept
        : lfo1(sampleRate), lfo2(sampleRate), ampEnv(sampleRate), filterEnv(sampleRate),
          modEnv(sampleRate) {}

    // The passage to idle: silent envelopes (their stages stay) and the
    // oscillators' start phases for the next note.
    void enterIdle() noexcept {
        ampEnv.silence();
        filterEnv.silence();
        modEnv.silence();
        osc1.enterIdle();
        osc2.enterIdle();
    }

    Oscillator osc1;
    Oscillator osc2;
    LadderFilter filter;
    WavetableLfo lfo1;
    WavetableLfo lfo2;
    Envelope ampEnv;
    Envelope filterEnv;
    Envelope modEnv;
};

} // namespace tarvolin
