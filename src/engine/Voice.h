#pragma once

#include "engine/Envelope.h"
#include "engine/LadderFilter.h"
#include "engine/Oscillator.h"
#include "engine/WavetableLfo.h"

#include <cmath>

namespace tarvolin {

// The DSP objects of one channel's monophonic voice. All of them are built
// with the engine and live as long as it; nothing here allocates.
struct Voice {
    explicit Voice(float sampleRate) noexcept : lfo1(sampleRate), lfo2(sampleRate) {}

    // The passage to idle: silent envelopes (their stages stay) and the
    // oscillators' start phases for the next note.
    void enterIdle() noexcept {
        ampEnv.silence();
        filterEnv.silence();
        modEnv.silence();
        osc1.enterIdle();
        osc2.enterIdle();
    }

    // Whether every oscillator, filter and envelope value is a finite number.
    bool isFinite() const noexcept {
        const float levels = ampEnv.level() + filterEnv.level() + modEnv.level();
        return osc1.isFinite() && osc2.isFinite() && filter.isFinite() && std::isfinite(levels);
    }

    // Back to the state the voice was built in, but for the LFOs, whose
    // integer phases cannot go wrong.
    void reset() noexcept {
        osc1 = Oscillator{};
        osc2 = Oscillator{};
        filter = LadderFilter{};
        ampEnv.restartFromZero();
        filterEnv.restartFromZero();
        modEnv.restartFromZero();
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
