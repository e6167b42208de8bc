#pragma once

#include "engine/Float4.h"

#include <bit>
#include <cstdint>

namespace tarvolin {

// Semitones to hertz, and the portamento that slides between them.
struct PitchLaw {
    // Note 81 is 440 Hz (so note 69 is 220 Hz).
    static constexpr float kReferenceNote = 81.0f;
    static constexpr float kReferenceFrequency = 440.0f;
    // The division by 12 is a multiplication by the float nearest 1/12.
    static constexpr float kOctavesPerSemitone = 0.083333336f;
    static constexpr float kLowestFrequency = 10.0f;
    // Portamento speed at the knob's bottom, semitones per sample at 44100 Hz.
    static constexpr float kGlidePerSample = 0.002f;

    // 440 * 2^((pitch - 81) / 12), at least 10 Hz, of four pitches at once.
    // Each pitch is the caller's sum of note, offsets and modulation, added up
    // in the caller's order.
    template <class Math> static Float4 frequencies(Float4 pitches) noexcept {
        const Float4 hertz =
            splat(kReferenceFrequency) *
            Math::exp2((pitches - splat(kReferenceNote)) * splat(kOctavesPerSemitone));
        const Float4 lowest = splat(kLowestFrequency);
        return select(hertz < lowest, lowest, hertz);
    }

    // One sample of portamento. `glide` moves linearly towards 0 by `step`
    // semitones, (1 - portamento) * glidePerSample (0.002 at 44100 Hz), never
    // past it, and what remains is taken off `pitchOffset`, so the pitch
    // starts at the old note and slides to the new one. With portamento at 0
    // the glide is neither applied nor changed: it waits for the knob to come
    // up.
    // (1 - portamento) * glidePerSample: derived when either changes.
    static float glideStepFor(float portamento, float glidePerSample) noexcept {
        return (1.0f - portamento) * glidePerSample;
    }

    static void glideStep(float& glide, bool portamentoOn, float step,
                          float& pitchOffset) noexcept {
        if (!portamentoOn) {
            return;
        }
        if (glide > 0.0f) {
            glide -= step;
            if (glide < 0.0f) {
                glide = 0.0f;
            }
            pitchOffset -= glide;
        } else if (glide < 0.0f) {
            glide += step;
            if (glide > 0.0f) {
                glide = 0.0f;
            }
            pitchOffset -= glide;
        }
    }
};

static_assert(std::bit_cast<std::uint32_t>(PitchLaw::kOctavesPerSemitone) == 0x3DAAAAABu);

} // namespace tarvolin
