#pragma once

#include "engine/EngineMath.h"
#include "engine/Float4.h"

namespace tarvolin {

// What the LFOs and the mod envelope contribute to four consecutive samples,
// one sample in each lane. Every sample's sums start from these values.
struct ModulationSums {
    Float4 pitch1 = splat(0.0f);    // semitones for oscillator 1
    Float4 pitch2 = splat(0.0f);    // semitones for oscillator 2
    Float4 ampMod = splat(1.0f);    // amplitude factor
    Float4 cutoffMod = splat(0.0f); // added to the 0..1 cutoff
    Float4 fm1 = splat(0.0f);       // FM amount of oscillator 1
    Float4 fm2 = splat(0.0f);       // FM amount of oscillator 2
    Float4 pw1 = splat(0.0f);       // pulse width of oscillator 1
    Float4 pw2 = splat(0.0f);       // pulse width of oscillator 2
};

// Where the modulators go. Each destination is the switch position the
// channel's settings derive; positions outside the tables add nothing.
struct ModulationRouting {
    // A full-depth pitch modulation swings four octaves either way.
    static constexpr float kPitchRange = 48.0f;

    // LFO depth from its amount knob: d = (amount - 0.5) * 2, then d^4. 0.5 is
    // no modulation; both ends are full depth, as the fourth power loses the
    // sign of d.
    static float lfoDepth(float amount) noexcept;

    // LFO 1, destination 0 to 4: FM 2, pitch 2, both pulse widths, both
    // pitches, cutoff.
    static void routeLfo1(ModulationSums& sums, Float4 value, float depth,
                          long destination) noexcept;

    // LFO 2, destination 0 to 2: both pitches, amplitude, cutoff. The
    // amplitude takes the limited amount, centred on 0.5, without the fourth
    // power: 1 gives tremolo below unity gain, 0 above it.
    static void routeLfo2(ModulationSums& sums, Float4 value, float depth, float amount,
                          long destination) noexcept;

    // Mod envelope, destination 0 to 2: pitch 2, FM 2, both pulse widths.
    // `amount` is the envelope value after inversion and scaling.
    static void routeModEnvelope(ModulationSums& sums, Float4 amount, long destination) noexcept;
};

inline float ModulationRouting::lfoDepth(float amount) noexcept {
    return fourthPower((amount - 0.5f) * 2.0f);
}

inline void ModulationRouting::routeLfo1(ModulationSums& sums, Float4 value, float depth,
                                         long destination) noexcept {
    // The (v + 1) destinations only ever add, from 0 to 2 * depth; the pitch
    // destinations swing both ways.
    switch (destination) {
    case 0:
        sums.fm2 += 0.5f * (value + 1.0f) * depth;
        break;
    case 1:
        sums.pitch2 += kPitchRange * value * depth;
        break;
    case 2:
        sums.pw1 += (value + 1.0f) * depth;
        sums.pw2 += (value + 1.0f) * depth;
        break;
    case 3:
        sums.pitch1 += kPitchRange * value * depth;
        sums.pitch2 += kPitchRange * value * depth;
        break;
    case 4:
        sums.cutoffMod += 0.5f * (value + 1.0f) * depth;
        break;
    default:
        break;
    }
}

inline void ModulationRouting::routeLfo2(ModulationSums& sums, Float4 value, float depth,
                                         float amount, long destination) noexcept {
    switch (destination) {
    case 0:
        sums.pitch1 += kPitchRange * value * depth;
        sums.pitch2 += kPitchRange * value * depth;
        break;
    case 1:
        sums.ampMod -= (value + 1.0f) * (amount - 0.5f);
        break;
    case 2:
        sums.cutoffMod += 0.5f * (value + 1.0f) * depth;
        break;
    default:
        break;
    }
}

inline void ModulationRouting::routeModEnvelope(ModulationSums& sums, Float4 amount,
                                                long destination) noexcept {
    switch (destination) {
    case 0:
        sums.pitch2 += kPitchRange * amount;
        break;
    case 1:
        sums.fm2 += amount;
        break;
    case 2:
        sums.pw1 += amount;
        sums.pw2 += amount;
        break;
    default:
        break;
    }
}

} // namespace tarvolin
