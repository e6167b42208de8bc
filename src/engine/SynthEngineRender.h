#pragma once

// The sample render of SynthEngine, a template over the math policy. Only the
// translation units that instantiate it include this: SynthEngine.cpp for the
// engine's own math, LibraryMathRender.cpp for the C library's.

#include "engine/EngineMath.h"
#include "engine/LowCut.h"
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
inline float saturate(float x) noexcept {
    const float magnitude = std::fabs(x);
    return x * (2.0f + magnitude) / (x * x + magnitude + 1.0f);
}

// An FM amount or a pulse width: the modulation's sum and the knob's share,
// held at 1.
inline float limitedSum(float sum, float share) noexcept {
    const float total = sum + share;
    return total > 1.0f ? 1.0f : total;
}

} // namespace tarvolin::render_detail

namespace tarvolin {

inline void SynthEngine::runModulators(const ChannelRecord& record, const ChannelSettings& settings,
                                       Voice& voice, ModulationSums& sums) noexcept {
    const ChannelSettings::Derived& derived = settings.derived();
    if (settings[kLfo1Rate] > 0.0f) {
        const ChannelSettings::Lfo& lfo = derived.lfo1;
        ModulationRouting::routeLfo1(sums, voice.lfo1.tick(lfo.increment, lfo.waveform), lfo.depth,
                                     lfo.destination);
    }
    if (settings[kLfo2Rate] > 0.0f) {
        const ChannelSettings::Lfo& lfo = derived.lfo2;
        ModulationRouting::routeLfo2(sums, voice.lfo2.tick(lfo.increment, lfo.waveform), lfo.depth,
                                     settings[kLfo2Amount], lfo.destination);
    }

    // The mod envelope has no sustain and borrows the amp envelope's release.
    if (settings[kModEnvAmount] > 0.0f) {
        float level = voice.modEnv.step(record.gate, derived.modSlopes, 0.0f);
        if (settings[kModEnvInvert] > 0.5f) {
            level = -level;
        }
        ModulationRouting::routeModEnvelope(sums, level * derived.modEnvDepth,
                                            derived.modEnvDestination);
    }
}

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
            voice.enterIdle();
            record.glide = 0.0f;
            std::fill(out + i, out + frames, 0.0f);
            return;
        }
        // The sources of a run of samples are worked out before their
        // shaping: neither half touches what the other keeps, so each sample
        // comes out as in one go, and each loop is short enough for the
        // processor to work on several samples at once.
        VoiceSource sources[kRunLength];
        voiceSources<Math>(record, settings, voice, noise, sources, run);
        shapeVoice(record, settings, voice, sources, run, out + i);
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

// Each part of a run's sources runs through the whole run before the next,
// with its own state: the modulators and the pitches, each oscillator, then
// the noise and the low cut.
template <class Math>
[[gnu::always_inline]] inline void
SynthEngine::voiceSources(ChannelRecord& record, const ChannelSettings& settings, Voice& voice,
                          NoiseSource& noise, VoiceSource* sources, int count) noexcept {
    using namespace render_detail;
    const ChannelSettings::Derived& derived = settings.derived();
    const float note = record.note;
    const float halfRate = rate_.halfRate();
    const float smoothing = rate_.incrementSmoothing();

    PhaseDrive drives1[kRunLength];
    PhaseDrive drives2[kRunLength];
    float pulseWidths1[kRunLength];
    float pulseWidths2[kRunLength];
    // Without LFOs, mod envelope and a glide under way, every sample of the
    // run asks the same of the oscillators: the first one's answer serves all.
    const bool portamentoOn = settings[kPortamento] > 0.0f;
    const bool steady = !(settings[kLfo1Rate] > 0.0f) && !(settings[kLfo2Rate] > 0.0f) &&
                        !(settings[kModEnvAmount] > 0.0f) &&
                        !(portamentoOn && record.glide != 0.0f);
    const int modulated = steady ? 1 : count;
    for (int j = 0; j < modulated; ++j) {
        float pitchOffset = derived.pitchOffset;
        PitchLaw::glideStep(record.glide, portamentoOn, derived.glideStep, pitchOffset);

        ModulationSums sums;
        runModulators(record, settings, voice, sums);

        voice.pitch1.follow<Math>(note + pitchOffset + sums.pitch1, halfRate);
        voice.pitch2.follow<Math>(derived.tuneOffset2 + note + sums.pitch2 + pitchOffset, halfRate);
        // Each oscillator is frequency-modulated at the other one's frequency,
        // so each one's step is the other one's modulator step.
        drives1[j] = {voice.pitch1.frequency(), voice.pitch1.step(), voice.pitch2.step(),
                      limitedSum(sums.fm1, derived.osc1.fmDepth), smoothing};
        drives2[j] = {voice.pitch2.frequency(), voice.pitch2.step(), voice.pitch1.step(),
                      limitedSum(sums.fm2, derived.osc2.fmDepth), smoothing};
        pulseWidths1[j] = sums.pw1;
        pulseWidths2[j] = limitedSum(sums.pw2, settings[kPwAmountOsc2]);
        sources[j].cutoffMod = sums.cutoffMod;
        sources[j].ampMod = sums.ampMod;
        sources[j].mix = 0.0f;
    }
    for (int j = modulated; j < count; ++j) {
        drives1[j] = drives1[0];
        drives2[j] = drives2[0];
        pulseWidths1[j] = pulseWidths1[0];
        pulseWidths2[j] = pulseWidths2[0];
        sources[j] = sources[0];
    }

    const float volume1 = settings[kVolumeOsc1];
    if (volume1 > 0.0f) {
        voice.osc1.renderRun<Math>(derived.osc1.form, drives1, pulseWidths1, volume1,
                                   &sources[0].mix, kSourceStride, count);
    }
    const float volume2 = settings[kVolumeOsc2];
    if (volume2 > 0.0f) {
        voice.osc2.renderRun<Math>(derived.osc2.form, drives2, pulseWidths2, volume2,
                                   &sources[0].mix, kSourceStride, count);
    }

    float lowCutInput = record.lowCutInput;
    float lowCutState = record.lowCutState;
    for (int j = 0; j < count; ++j) {
        float mix = (noise.next(settings[kNoiseVolume]) + sources[j].mix) * 0.5f;
        if (mix > kMixLimit) {
            mix = kMixLimit;
        } else if (mix < -kMixLimit) {
            mix = -kMixLimit;
        }
        sources[j].mix = LowCut::apply(lowCutInput, lowCutState, mix, derived.lowCut);
    }
    record.lowCutInput = lowCutInput;
    record.lowCutState = lowCutState;
}

// Each block of the shaping runs through the whole run before the next: the
// envelopes and the filter keep state apart, so the order within a sample is
// kept, and each loop keeps its own state in registers.
[[gnu::always_inline]] inline void
SynthEngine::shapeVoice(const ChannelRecord& record, const ChannelSettings& settings, Voice& voice,
                        const VoiceSource* sources, int count, float* __restrict out) noexcept {
    using namespace render_detail;
    const ChannelSettings::Derived& derived = settings.derived();
    float cutoffs[kRunLength];
    for (int j = 0; j < count; ++j) {
        const float filterLevel =
            voice.filterEnv.step(record.gate, derived.filterSlopes, settings[kSustainFilter]);
        // No lower limit: every term is 0 or above for knobs in 0..1.
        float cutoff = filterLevel * settings[kFilterEnvAmount] +
                       record.note * settings[kKeyFollow] * kMidiValueScale + settings[kCutoff] +
                       sources[j].cutoffMod;
        if (cutoff > 1.0f) {
            cutoff = 1.0f;
        }
        cutoffs[j] = cutoff;
        out[j] = sources[j].mix;
    }
    voice.filter.processRun(out, cutoffs, count, settings[kResonance], derived.filterType,
                            rate_.ladder());
    for (int j = 0; j < count; ++j) {
        const float ampLevel =
            voice.ampEnv.step(record.gate, derived.ampSlopes, settings[kSustainAmp]);
        float x = ampLevel * out[j] * sources[j].ampMod;
        x = saturate(x);
        out[j] = 0.0f + x * settings[kVolume];
    }
}

} // namespace tarvolin
