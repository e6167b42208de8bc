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

// One oscillator's value: its FM amount and the form its switch selects.
// Inlined, its drive stays in registers.
template <class Math>
[[gnu::always_inline]] inline float
oscillatorValue(Oscillator& oscillator, const ChannelSettings::Oscillator& settings, float& fmSum,
                float pulseWidth, PhaseDrive& drive) noexcept {
    fmSum += settings.fmDepth;
    if (fmSum > 1.0f) {
        fmSum = 1.0f;
    }
    drive.fmAmount = fmSum;
    return oscillator.render<Math>(settings.form, drive, pulseWidth);
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
        if (record.gate == 1.0f) {
            // A held note cannot end within the stretch. The sources of a run
            // of samples are worked out before their shaping: neither half
            // touches what the other keeps, so each sample comes out as in
            // one go, and each loop is short enough for the processor to work
            // on several samples at once.
            const int run = std::min(frames - i, kRunLength);
            VoiceSource sources[kRunLength];
            for (int j = 0; j < run; ++j) {
                sources[j] = voiceSource<Math>(record, settings, voice, noise);
            }
            for (int j = 0; j < run; ++j) {
                out[i + j] = 0.0f + shapeVoice(record, settings, voice, sources[j]);
            }
            i += run;
            continue;
        }
        // An idle voice computes nothing: LFOs, noise, filters and the low cut
        // stand still, and the oscillators wait in their start states. Only a
        // note on wakes it, and none comes within a stretch.
        if (voice.ampEnv.level() <= 0.0f) {
            voice.enterIdle();
            record.glide = 0.0f;
            std::fill(out + i, out + frames, 0.0f);
            return;
        }
        out[i] = 0.0f + shapeVoice(record, settings, voice,
                                   voiceSource<Math>(record, settings, voice, noise));
        ++i;
    }
}

template <class Math>
[[gnu::always_inline]] inline SynthEngine::VoiceSource
SynthEngine::voiceSource(ChannelRecord& record, const ChannelSettings& settings, Voice& voice,
                         NoiseSource& noise) noexcept {
    using namespace render_detail;
    const ChannelSettings::Derived& derived = settings.derived();

    float pitchOffset = derived.pitchOffset;
    PitchLaw::glideStep(record.glide, settings[kPortamento] > 0.0f, derived.glideStep, pitchOffset);

    ModulationSums sums;
    runModulators(record, settings, voice, sums);

    const float note = record.note;
    const float halfRate = rate_.halfRate();
    voice.pitch1.follow<Math>(note + pitchOffset + sums.pitch1, halfRate);
    voice.pitch2.follow<Math>(derived.tuneOffset2 + note + sums.pitch2 + pitchOffset, halfRate);

    // Each oscillator is frequency-modulated at the other one's frequency, so
    // each one's step is the other one's modulator step.
    const float smoothing = rate_.incrementSmoothing();
    PhaseDrive drive1{voice.pitch1.frequency(), voice.pitch1.step(), voice.pitch2.step(), 0.0f,
                      smoothing};
    PhaseDrive drive2{voice.pitch2.frequency(), voice.pitch2.step(), voice.pitch1.step(), 0.0f,
                      smoothing};
    float mix = 0.0f;
    const float volume1 = settings[kVolumeOsc1];
    if (volume1 > 0.0f) {
        mix +=
            oscillatorValue<Math>(voice.osc1, derived.osc1, sums.fm1, sums.pw1, drive1) * volume1;
    }
    const float volume2 = settings[kVolumeOsc2];
    if (volume2 > 0.0f) {
        sums.pw2 += settings[kPwAmountOsc2];
        if (sums.pw2 > 1.0f) {
            sums.pw2 = 1.0f;
        }
        mix +=
            oscillatorValue<Math>(voice.osc2, derived.osc2, sums.fm2, sums.pw2, drive2) * volume2;
    }

    mix = (noise.next(settings[kNoiseVolume]) + mix) * 0.5f;

    if (mix > kMixLimit) {
        mix = kMixLimit;
    } else if (mix < -kMixLimit) {
        mix = -kMixLimit;
    }

    return {LowCut::apply(record, mix, derived.lowCut), sums.cutoffMod, sums.ampMod};
}

[[gnu::always_inline]] inline float SynthEngine::shapeVoice(const ChannelRecord& record,
                                                            const ChannelSettings& settings,
                                                            Voice& voice,
                                                            const VoiceSource& source) noexcept {
    using namespace render_detail;
    const ChannelSettings::Derived& derived = settings.derived();
    const float filterLevel =
        voice.filterEnv.step(record.gate, derived.filterSlopes, settings[kSustainFilter]);
    // No lower limit: every term is 0 or above for knobs in 0..1.
    float cutoff = filterLevel * settings[kFilterEnvAmount] +
                   record.note * settings[kKeyFollow] * kMidiValueScale + settings[kCutoff] +
                   source.cutoffMod;
    if (cutoff > 1.0f) {
        cutoff = 1.0f;
    }
    float mix = source.mix;
    voice.filter.process(mix, cutoff, settings[kResonance], derived.filterType, rate_.ladder());

    const float ampLevel = voice.ampEnv.step(record.gate, derived.ampSlopes, settings[kSustainAmp]);
    float x = ampLevel * mix * source.ampMod;
    x = saturate(x);
    return x * settings[kVolume];
}

} // namespace tarvolin
