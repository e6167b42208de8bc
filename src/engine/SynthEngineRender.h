#pragma once

// The sample render of SynthEngine, a template over the math policy. Only the
// translation units that instantiate it include this: SynthEngine.cpp for the
// engine's own math, LibraryMathRender.cpp for the C library's.

#include "engine/EngineMath.h"
#include "engine/LowCut.h"
#include "engine/OscillatorPair.h"
#include "engine/PitchLaw.h"
#include "engine/SynthEngine.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>

namespace tarvolin::render_detail {

// Mix limit in front of the low cut.
inline constexpr float kMixLimit = 0.99f;
static_assert(std::bit_cast<std::uint32_t>(kMixLimit) == 0x3F7D70A4u);

// Soft saturation x (2 + |x|) / (x^2 + |x| + 1): slope 2 at the origin, tends
// to +-1 for large |x| and never exceeds 2 / sqrt(3) in magnitude.
inline Float4 saturate(Float4 x) noexcept {
    const Float4 size = magnitude(x);
    return x * (2.0f + size) / (x * x + size + 1.0f);
}

// An FM amount or a pulse width: the modulation's sum and the knob's share,
// held at 1.
inline Float4 limitedSum(Float4 sum, float share) noexcept {
    const Float4 total = sum + share;
    return select(total > 1.0f, splat(1.0f), total);
}

// Keeps the oscillators' sum of each sample for a shaping loop of its own.
struct MixBuffer {
    float* mixes;
    void operator()(int j, float sum) noexcept { mixes[j] = sum; }
    [[gnu::always_inline]] void finish() noexcept {}
};

} // namespace tarvolin::render_detail

namespace tarvolin {

// The LFOs, each only while its rate is above 0, for `count` (1 to 4)
// samples, and the mod envelope's values `modEnvValues` if it runs: what they
// add to four samples' sums.
inline ModulationSums SynthEngine::modulationOf(const ChannelSettings& settings, Voice& voice,
                                                const float* modEnvValues, int count) noexcept {
    const ChannelSettings::Derived& derived = settings.derived();
    ModulationSums sums;
    if (settings[kLfo1Rate] > 0.0f) {
        const ChannelSettings::Lfo& lfo = derived.lfo1;
        ModulationRouting::routeLfo1(sums, voice.lfo1.ticks(lfo.increment, lfo.waveform, count),
                                     lfo.depth, lfo.destination);
    }
    if (settings[kLfo2Rate] > 0.0f) {
        const ChannelSettings::Lfo& lfo = derived.lfo2;
        ModulationRouting::routeLfo2(sums, voice.lfo2.ticks(lfo.increment, lfo.waveform, count),
                                     lfo.depth, settings[kLfo2Amount], lfo.destination);
    }
    if (settings[kModEnvAmount] > 0.0f) {
        ModulationRouting::routeModEnvelope(sums, load4(modEnvValues), derived.modEnvDestination);
    }
    return sums;
}

// The voice after its oscillators, one sample at a time as the oscillators
// hand it over: noise and mix halving, the hard limit, the low cut and the
// ladder, and the amp envelope's level and LFO 2's factor on the result. The
// envelopes and the ladder's coefficients are worked out ahead for the run,
// and the saturation after it. It works on copies of the state it carries,
// which stay in registers through a run; finish() puts them back.
class SynthEngine::VoiceShaper {
public:
    VoiceShaper(ChannelRecord& record, const ChannelSettings& settings, Voice& voice,
                NoiseSource& noise, const RunModulation& modulation, RunShaping& shaping,
                const LadderTuning& tuning) noexcept
        : record_(record), noise_(noise), modulation_(modulation), shaping_(shaping),
          noiseLevel_(settings[kNoiseVolume]), lowCut_(settings.derived().lowCut),
          seed_(noise.state()), lowCutInput_(record.lowCutInput), lowCutState_(record.lowCutState),
          ladder_(voice.filter, shaping.ladder, shaping.ladderStride, settings.derived().filterType,
                  tuning) {}

    [[gnu::always_inline]] void operator()(int j, float oscillators) noexcept {
        using render_detail::kMixLimit;
        float mix = (NoiseSource::next(seed_, noiseLevel_) + oscillators) * 0.5f;
        if (mix > kMixLimit) {
            mix = kMixLimit;
        } else if (mix < -kMixLimit) {
            mix = -kMixLimit;
        }
        mix = LowCut::apply(lowCutInput_, lowCutState_, mix, lowCut_);
        // The ladder runs one sample behind. With resonance it makes every
        // sample wait for the one before, as the oscillators' feedback does;
        // a sample apart, the two waits are independent within one pass of
        // the loop, and the processor works on both at once.
        if (j > 0) {
            filterPending();
        }
        pending_ = mix;
        pendingIndex_ = j;
    }

    [[gnu::always_inline]] void finish() noexcept {
        filterPending();
        noise_.state() = seed_;
        record_.lowCutInput = lowCutInput_;
        record_.lowCutState = lowCutState_;
        ladder_.finish();
    }

private:
    [[gnu::always_inline]] void filterPending() noexcept {
        const int j = pendingIndex_;
        const float filtered = ladder_.process(j, pending_);
        shaping_.shaped[j] =
            shaping_.ampLevels[j] * filtered * modulation_.ampMods[j * modulation_.stride];
    }

    ChannelRecord& record_;
    NoiseSource& noise_;
    const RunModulation& modulation_;
    RunShaping& shaping_;
    const float noiseLevel_;
    const LowCut::Coefficients lowCut_;
    std::uint32_t seed_;
    float lowCutInput_;
    float lowCutState_;
    LadderFilter::Run ladder_;
    float pending_ = 0.0f;
    int pendingIndex_ = 0;
};

template <class Math> void SynthEngine::renderWith(float* __restrict out, int frames) noexcept {
    ChannelRecord& record = channels_[0];
    const ChannelSettings& settings = currentSettings(0);
    Voice& voice = voices_[0];
    NoiseSource noise;
    for (int i = 0; i < frames;) {
        const int run = soundingRun(record, settings, voice, std::min(frames - i, kRunLength));
        if (run == 0) {
            // An idle voice computes nothing: LFOs, noise, filters and the low
            // cut stand still, and the oscillators wait in their start states.
            // Only a note on wakes it, and none comes within a stretch.
            enterIdle(record, voice);
            std::fill(out + i, out + frames, 0.0f);
            return;
        }
        RunModulation modulation;
        modulateRun<Math>(record, settings, voice, bends_[0].semitones(), modulation, run);
        const ChannelSettings::Derived& derived = settings.derived();
        const float smoothing = rate_.incrementSmoothing();
        const OscillatorPart first{.oscillator = voice.osc1,
                                   .form = derived.osc1.form,
                                   .volume = settings[kVolumeOsc1],
                                   .drives = modulation.osc1,
                                   .modulator = modulation.osc2,
                                   .smoothing = smoothing,
                                   .stride = modulation.stride};
        const OscillatorPart second{.oscillator = voice.osc2,
                                    .form = derived.osc2.form,
                                    .volume = settings[kVolumeOsc2],
                                    .drives = modulation.osc2,
                                    .modulator = modulation.osc1,
                                    .smoothing = smoothing,
                                    .stride = modulation.stride};
        RunShaping shaping;
        prepareShaping(record, settings, voice, modulation, shaping, run);
        VoiceShaper shaper(record, settings, voice, noise, modulation, shaping, rate_.ladder());
        // With resonance the ladder makes every sample wait for the one
        // before, as the oscillators' feedback does; in one loop the two
        // waits overlap. Without it the shaping runs quicker in a loop of
        // its own.
        if (settings[kResonance] > 0.0f) {
            renderOscillatorPair<Math>(first, second, run, shaper);
        } else {
            float mixes[kRunLength];
            renderOscillatorPair<Math>(first, second, run, render_detail::MixBuffer{mixes});
            for (int j = 0; j < run; ++j) {
                shaper(j, mixes[j]);
            }
            shaper.finish();
        }
        finishShaping(settings, shaping, out + i, run);
        i += run;
    }
}

// A voice sounds while its gate is held or its amp envelope is above 0: how
// many of the next `most` samples it sounds for, found on a copy of the
// envelope.
inline int SynthEngine::soundingRun(const ChannelRecord& record, const ChannelSettings& settings,
                                    const Voice& voice, int most) noexcept {
    if (record.gate == 1.0f) {
        return most;
    }
    // Falling by at most the release slope a sample, a level well above that
    // many slopes sounds throughout.
    Envelope envelope = voice.ampEnv;
    if (envelope.level() > 2.0f * static_cast<float>(most) * settings.derived().ampSlopes.release) {
        return most;
    }
    int sounding = 0;
    while (sounding < most && envelope.level() > 0.0f) {
        envelope.step(record.gate, settings.derived().ampSlopes, settings[kSustainAmp]);
        ++sounding;
    }
    return sounding;
}

// The glide, the modulators and the pitch law through the run. What waits
// for its own last value goes sample by sample, the rest four samples at a
// time.
template <class Math>
[[gnu::always_inline]] inline void
SynthEngine::modulateRun(ChannelRecord& record, const ChannelSettings& settings, Voice& voice,
                         float bend, RunModulation& run, int count) noexcept {
    using namespace render_detail;
    const ChannelSettings::Derived& derived = settings.derived();
    const float note = record.note;
    const float halfRate = rate_.halfRate();

    // Without LFOs, mod envelope and a glide under way, every sample of the
    // run asks the same of the oscillators: the first one's answer serves all.
    const bool portamentoOn = settings[kPortamento] > 0.0f;
    const bool modEnvOn = settings[kModEnvAmount] > 0.0f;
    const bool steady = !(settings[kLfo1Rate] > 0.0f) && !(settings[kLfo2Rate] > 0.0f) &&
                        !modEnvOn && !(portamentoOn && record.glide != 0.0f);
    const int modulated = steady ? 1 : count;

    // The glide, and the mod envelope, which has no sustain and borrows the
    // amp envelope's release. The last group of four is filled up with
    // copies of the last sample.
    alignas(16) float pitchOffsets[kRunLength];
    alignas(16) float modEnvValues[kRunLength];
    float glide = record.glide;
    Envelope modEnv = voice.modEnv;
    const bool inverted = settings[kModEnvInvert] > 0.5f;
    // The wheel moves the pitch as the master pitch does. At the centre it
    // adds exactly 0, which changes no sum.
    const float bentOffset = derived.pitchOffset + bend;
    for (int j = 0; j < modulated; ++j) {
        float pitchOffset = bentOffset;
        PitchLaw::glideStep(glide, portamentoOn, derived.glideStep, pitchOffset);
        pitchOffsets[j] = pitchOffset;
        if (modEnvOn) {
            float level = modEnv.step(record.gate, derived.modSlopes, 0.0f);
            if (inverted) {
                level = -level;
            }
            modEnvValues[j] = level * derived.modEnvDepth;
        }
    }
    record.glide = glide;
    voice.modEnv = modEnv;
    for (int j = modulated; j % 4 != 0; ++j) {
        pitchOffsets[j] = pitchOffsets[modulated - 1];
        modEnvValues[j] = modEnvOn ? modEnvValues[modulated - 1] : 0.0f;
    }

    for (int j = 0; j < modulated; j += 4) {
        const ModulationSums sums =
            modulationOf(settings, voice, &modEnvValues[j], std::min(4, modulated - j));
        const Float4 pitchOffset = load4(&pitchOffsets[j]);
        const Float4 frequencies1 = PitchLaw::frequencies<Math>(note + pitchOffset + sums.pitch1);
        const Float4 frequencies2 =
            PitchLaw::frequencies<Math>(derived.tuneOffset2 + note + sums.pitch2 + pitchOffset);
        store4(&run.osc1.frequencies[j], frequencies1);
        store4(&run.osc2.frequencies[j], frequencies2);
        // Each oscillator is frequency-modulated at the other one's frequency,
        // so each one's step is the other one's modulator step.
        store4(&run.osc1.steps[j], OscillatorFront::phaseStep(frequencies1, halfRate));
        store4(&run.osc2.steps[j], OscillatorFront::phaseStep(frequencies2, halfRate));
        store4(&run.osc1.fmAmounts[j], limitedSum(sums.fm1, derived.osc1.fmDepth));
        store4(&run.osc2.fmAmounts[j], limitedSum(sums.fm2, derived.osc2.fmDepth));
        store4(&run.osc1.pulseWidths[j], sums.pw1);
        store4(&run.osc2.pulseWidths[j], limitedSum(sums.pw2, settings[kPwAmountOsc2]));
        store4(&run.cutoffMods[j], sums.cutoffMod);
        store4(&run.ampMods[j], sums.ampMod);
    }
    run.stride = steady ? 0 : 1;
}

// The envelopes, the cutoff sum the filter envelope makes with the knobs and
// the LFOs, and the ladder's coefficients for it, through the whole run: none
// of them waits for the voice.
inline void SynthEngine::prepareShaping(const ChannelRecord& record,
                                        const ChannelSettings& settings, Voice& voice,
                                        const RunModulation& modulation, RunShaping& shaping,
                                        int count) noexcept {
    const ChannelSettings::Derived& derived = settings.derived();
    const float gate = record.gate;
    alignas(16) float cutoffs[kRunLength];
    Envelope filterEnv = voice.filterEnv;
    Envelope ampEnv = voice.ampEnv;
    bool steadyCutoff = true;
    for (int j = 0; j < count; ++j) {
        const float level = filterEnv.step(gate, derived.filterSlopes, settings[kSustainFilter]);
        // No lower limit: every term is 0 or above for knobs in 0..1.
        float cutoff = level * settings[kFilterEnvAmount] +
                       record.note * settings[kKeyFollow] * kMidiValueScale + settings[kCutoff] +
                       modulation.cutoffMods[j * modulation.stride];
        if (cutoff > 1.0f) {
            cutoff = 1.0f;
        }
        cutoffs[j] = cutoff;
        steadyCutoff = steadyCutoff && cutoff == cutoffs[0];
        shaping.ampLevels[j] = ampEnv.step(gate, derived.ampSlopes, settings[kSustainAmp]);
    }
    voice.filterEnv = filterEnv;
    voice.ampEnv = ampEnv;
    for (int j = count; j % 4 != 0; ++j) {
        cutoffs[j] = cutoffs[count - 1];
    }
    // A cutoff that holds still through the run, as it mostly does, asks the
    // same of the ladder in every sample.
    LadderFilter::coefficientsFor(cutoffs, steadyCutoff ? 1 : count, settings[kResonance],
                                  derived.filterType, rate_.ladder(), shaping.ladder);
    shaping.ladderStride = steadyCutoff ? 0 : 1;
}

// The saturation and the volume, four samples at a time.
inline void SynthEngine::finishShaping(const ChannelSettings& settings, RunShaping& shaping,
                                       float* __restrict out, int count) noexcept {
    for (int j = count; j % 4 != 0; ++j) {
        shaping.shaped[j] = 0.0f;
    }
    for (int j = 0; j < count; j += 4) {
        const Float4 x = render_detail::saturate(load4(&shaping.shaped[j]));
        store4(&shaping.shaped[j], 0.0f + x * settings[kVolume]);
    }
    std::copy(shaping.shaped, shaping.shaped + count, out);
}

} // namespace tarvolin
