#pragma once

#include "engine/Float4.h"
#include "engine/Oscillator.h"

namespace tarvolin {

// What drives one oscillator through a run of samples, sample by sample:
// its frequency in hertz (which sets the feedback amount), the same as
// radians per sample, its FM depth and its pulse width (which only the
// rectangle reads).
struct OscillatorDrives {
    alignas(16) float frequencies[kLongestRun];
    alignas(16) float steps[kLongestRun];
    float fmAmounts[kLongestRun];
    float pulseWidths[kLongestRun];
};

// What one oscillator plays in a run: the form chosen by its waveform switch,
// its volume, its drives and those of the other oscillator, whose frequency
// is its FM modulator's, and the share of its distance the smoothed increment
// closes each sample. Sample j's drives are at index j * stride, where a
// stride of 0 lets every sample share the first.
struct OscillatorPart {
    Oscillator& oscillator;
    long form;
    float volume;
    const OscillatorDrives& drives;
    const OscillatorDrives& modulator;
    float smoothing;
    int stride;
};

// Both oscillators of a voice for `count` samples (at most kLongestRun).
// For each sample in turn `sink(j, sum)` receives the sum of their values,
// each times its volume, and after the last one `sink.finish()` is called.
// The sink is taken by value, so that what it keeps stays in registers
// through the run. An oscillator whose volume is 0 is not computed and does
// not advance.
//
// The two run side by side in one loop, and the one to four angles their
// forms bend their phases into are worked out together in the four lanes of
// one register. Each form's feedback makes every sample wait for the one
// before; side by side, and beside whatever the sink does with the sum, the
// processor has other work while it waits.
template <class Math, class Sink>
void renderOscillatorPair(const OscillatorPart& first, const OscillatorPart& second, int count,
                          Sink sink) noexcept;

namespace oscillator_detail {

inline PhaseDrive driveOf(const OscillatorPart& part, int j) noexcept {
    const int at = j * part.stride;
    return {part.drives.frequencies[at], part.drives.steps[at], part.modulator.steps[at],
            part.drives.fmAmounts[at], part.smoothing};
}

template <class Math, class First, class Second, class Sink>
void playRun(First& lead, const OscillatorPart& first, Second& follow, const OscillatorPart& second,
             int count, Sink sink) noexcept {
    if constexpr (!kSounds<First> && !kSounds<Second>) {
        for (int j = 0; j < count; ++j) {
            sink(j, 0.0f);
        }
        sink.finish();
    } else {
        alignas(16) float modSines1[kLongestRun + 3];
        alignas(16) float modSines2[kLongestRun + 3];
        if constexpr (kSounds<First>) {
            lead.front().template runModulator<Math>(first.modulator.steps, first.drives.fmAmounts,
                                                     first.stride, count, modSines1);
        }
        if constexpr (kSounds<Second>) {
            follow.front().template runModulator<Math>(
                second.modulator.steps, second.drives.fmAmounts, second.stride, count, modSines2);
        }
        // The forms are worked on in copies: through the run their state
        // stays in registers.
        First leadForm = lead;
        Second followForm = follow;
        for (int j = 0; j < count; ++j) {
            AnglePair angles1{0.0f, 0.0f};
            AnglePair angles2{0.0f, 0.0f};
            if constexpr (kSounds<First>) {
                angles1 = leadForm.bend(driveOf(first, j), modSines1[j],
                                        first.drives.pulseWidths[j * first.stride]);
            }
            if constexpr (kSounds<Second>) {
                angles2 = followForm.bend(driveOf(second, j), modSines2[j],
                                          second.drives.pulseWidths[j * second.stride]);
            }
            const auto waves =
                Math::sinCos(Float4{angles1.first, angles1.second, angles2.first, angles2.second});
            float sum = 0.0f;
            if constexpr (kSounds<First>) {
                sum += leadForm.shape({lane<0>(waves.sine), lane<0>(waves.cosine),
                                       lane<1>(waves.sine), lane<1>(waves.cosine)}) *
                       first.volume;
            }
            if constexpr (kSounds<Second>) {
                sum += followForm.shape({lane<2>(waves.sine), lane<2>(waves.cosine),
                                         lane<3>(waves.sine), lane<3>(waves.cosine)}) *
                       second.volume;
            }
            sink(j, sum);
        }
        sink.finish();
        lead = leadForm;
        follow = followForm;
    }
}

} // namespace oscillator_detail

template <class Math, class Sink>
void renderOscillatorPair(const OscillatorPart& first, const OscillatorPart& second, int count,
                          Sink sink) noexcept {
    constexpr long kNoForm = -1;
    const long form1 = first.volume > 0.0f ? first.form : kNoForm;
    const long form2 = second.volume > 0.0f ? second.form : kNoForm;
    first.oscillator.visitForm(form1, [&](auto& lead) {
        second.oscillator.visitForm(form2, [&](auto& follow) {
            oscillator_detail::playRun<Math>(lead, first, follow, second, count, sink);
        });
    });
}

} // namespace tarvolin
