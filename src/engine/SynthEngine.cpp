#include "engine/SynthEngine.h"

#include "engine/EngineMath.h"
#include "engine/LowCut.h"
#include "engine/NoiseSource.h"
#include "engine/PitchLaw.h"

#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <utility>

namespace tarvolin {

namespace {

// Sixteen voices built in place: Voice has no default constructor, and its
// LFOs may not be copied.
template <std::size_t... Index>
std::array<Voice, kNumChannels> makeVoices(float sampleRate, std::index_sequence<Index...>) {
    return {{(static_cast<void>(Index), Voice(sampleRate))...}};
}

// Mix limit in front of the low cut.
constexpr float kMixLimit = 0.99f;
static_assert(std::bit_cast<std::uint32_t>(kMixLimit) == 0x3F7D70A4u);

// Key follow: the note scaled by the float nearest 1/127. Note 127 at full
// follow adds 127 times that, which single precision rounds to exactly 1.
constexpr float kKeyFollowScale = 0.007874016f;
static_assert(std::bit_cast<std::uint32_t>(kKeyFollowScale) == 0x3C010204u);

// MASTERPITCH spans -3..+3 semitones.
constexpr float kMasterPitchRange = 6.0f;

// LFO rates span 0..20 Hz through the fourth power of the knob.
constexpr float kLfoTopRate = 20.0f;

// Soft saturation x (2 + |x|) / (x^2 + |x| + 1): slope 2 at the origin, tends
// to +-1 for large |x| and never exceeds 2 / sqrt(3) in magnitude.
float saturate(float x) noexcept {
    const float magnitude = std::fabs(x);
    return x * (2.0f + magnitude) / (x * x + magnitude + 1.0f);
}

float acceptableRate(float sampleRate) noexcept {
    return RateCoefficients::isAcceptable(sampleRate) ? sampleRate
                                                      : RateCoefficients::kReferenceRate;
}

} // namespace

SynthEngine::SynthEngine(float sampleRate) noexcept
    : voices_(makeVoices(acceptableRate(sampleRate), std::make_index_sequence<kNumChannels>{})),
      requestedRate_(acceptableRate(sampleRate)) {
    rate_.setRate(requestedRate_.load(std::memory_order_relaxed));
}

void SynthEngine::setSampleRate(float rate) noexcept {
    if (RateCoefficients::isAcceptable(rate)) {
        requestedRate_.store(rate, std::memory_order_relaxed);
    }
}

void SynthEngine::beginBlock() noexcept {
    const float requested = requestedRate_.load(std::memory_order_relaxed);
    if (requested != rate_.rate()) {
        applySampleRate(requested);
    }
    recoverFaultedVoice();
}

void SynthEngine::applySampleRate(float rate) noexcept {
    rate_.setRate(rate);
    for (Voice& voice : voices_) {
        voice.setSampleRate(rate);
    }
    for (ChannelSettings& settings : settings_) {
        settings.markAllChanged();
    }
}

void SynthEngine::setParameter(int channel, int index, float value) noexcept {
    if (channel < 0 || channel >= kNumChannels || index < 0 || index >= kNumParameters) {
        return;
    }
    channels_[channel].params[static_cast<std::size_t>(index)].store(value);
    settings_[channel].markChanged(static_cast<ParameterIndex>(index));
}

float SynthEngine::parameter(int channel, int index) const noexcept {
    if (channel < 0 || channel >= kNumChannels || index < 0 || index >= kNumParameters) {
        return 0.0f;
    }
    return channels_[channel].params[static_cast<std::size_t>(index)].load();
}

void SynthEngine::recoverFaultedVoice() noexcept {
    // Only channel 0 renders, so only its voice can run into trouble.
    ChannelRecord& record = channels_[0];
    Voice& voice = voices_[0];
    const float lowCut = record.lowCutInput + record.lowCutState + record.glide;
    if (voice.isFinite() && std::isfinite(lowCut)) {
        return;
    }
    voice.reset();
    record.lowCutInput = 0.0f;
    record.lowCutState = 0.0f;
    record.lowCutOutput = 0.0f;
    record.glide = 0.0f;
}

void SynthEngine::renderSample(float& out) noexcept {
    float mix = 0.0f;
    const int renderChannel = 0;
    ChannelRecord& record = channels_[renderChannel];
    const ChannelSettings& param = currentSettings(renderChannel);
    Voice& voice = voices_[renderChannel];

    // An idle voice computes nothing: LFOs, noise, filters and the low cut
    // stand still, and the oscillators wait in their start states.
    if (record.gate != 1.0f && voice.ampEnv.level() <= 0.0f) {
        voice.enterIdle();
        record.glide = 0.0f;
        out += mix;
        return;
    }

    float pitchOffset = (param[kMasterPitch] - 0.5f) * kMasterPitchRange;
    PitchLaw::glideStep(record.glide, param[kPortamento], rate_.glidePerSample(), pitchOffset);

    ModulationSums sums;
    runModulators(record, param, voice, sums);

    const float note = record.note;
    sums.pitch1 = PitchLaw::frequency(note + pitchOffset + sums.pitch1);
    const float coarseTune = roundToWhole((param[kTuneOsc2] - 0.5f) * 48.0f);
    sums.pitch2 = PitchLaw::frequency((param[kFineTuneOsc2] - 0.5f) + coarseTune + note +
                                      sums.pitch2 + pitchOffset);

    // Each oscillator is frequency-modulated at the other one's frequency, so
    // each one's step is the other one's modulator step.
    const float halfRate = rate_.halfRate();
    PhaseDrive drive1{sums.pitch1, OscillatorFront::phaseStep(sums.pitch1, halfRate)};
    PhaseDrive drive2{sums.pitch2, OscillatorFront::phaseStep(sums.pitch2, halfRate)};
    drive1.modStep = drive2.step;
    drive2.modStep = drive1.step;
    drive1.smoothing = drive2.smoothing = rate_.incrementSmoothing();
    const float volume1 = param[kVolumeOsc1];
    if (volume1 > 0.0f) {
        sums.fm1 += fourthPower(param[kFmAmountOsc1]);
        if (sums.fm1 > 1.0f) {
            sums.fm1 = 1.0f;
        }
        drive1.fmAmount = sums.fm1;
        const float value =
            voice.osc1.render(roundToInt(param[kWaveformOsc1] * 3.0f), drive1, sums.pw1);
        mix += value * volume1;
    }
    const float volume2 = param[kVolumeOsc2];
    if (volume2 > 0.0f) {
        sums.fm2 += fourthPower(param[kFmAmountOsc2]);
        if (sums.fm2 > 1.0f) {
            sums.fm2 = 1.0f;
        }
        sums.pw2 += param[kPwAmountOsc2];
        if (sums.pw2 > 1.0f) {
            sums.pw2 = 1.0f;
        }
        drive2.fmAmount = sums.fm2;
        const float value =
            voice.osc2.render(roundToInt(param[kWaveformOsc2] * 3.0f), drive2, sums.pw2);
        mix += value * volume2;
    }

    mix = (NoiseSource::next(param[kNoiseVolume]) + mix) * 0.5f;

    if (mix > kMixLimit) {
        mix = kMixLimit;
    } else if (mix < -kMixLimit) {
        mix = -kMixLimit;
    }

    mix = LowCut::apply(record, mix, param.lowCut());

    const float filterLevel =
        voice.filterEnv.step(record.gate, param[kAttackFilter], param[kDecayFilter],
                             param[kSustainFilter], param[kReleaseFilter]);
    // No lower limit: every term is 0 or above for knobs in 0..1.
    float cutoff = filterLevel * param[kFilterEnvAmount] +
                   note * param[kKeyFollow] * kKeyFollowScale + param[kCutoff] + sums.cutoffMod;
    if (cutoff > 1.0f) {
        cutoff = 1.0f;
    }
    voice.filter.process(mix, cutoff, param[kResonance], roundToInt(param[kFilterType] * 2.0f),
                         rate_.ladder());

    const float ampLevel = voice.ampEnv.step(record.gate, param[kAttackAmp], param[kDecayAmp],
                                             param[kSustainAmp], param[kReleaseAmp]);
    float x = ampLevel * mix * sums.ampMod;
    x = saturate(x);
    x = x * param[kVolume];
    out += x;
}

void SynthEngine::runModulators(const ChannelRecord& record, const ChannelSettings& param,
                                Voice& voice, ModulationSums& sums) noexcept {

    const float lfo1Rate = param[kLfo1Rate];
    if (lfo1Rate > 0.0f) {
        voice.lfo1.setRate(kLfoTopRate * fourthPower(lfo1Rate));
        const float value = voice.lfo1.tick(roundToInt(param[kLfo1Waveform] * 3.0f));
        const float depth = ModulationRouting::lfoDepth(param[kLfo1Amount]);
        ModulationRouting::routeLfo1(sums, value, depth, param[kLfo1Destination]);
    }

    const float lfo2Rate = param[kLfo2Rate];
    if (lfo2Rate > 0.0f) {
        voice.lfo2.setRate(kLfoTopRate * fourthPower(lfo2Rate));
        const float value = voice.lfo2.tick(roundToInt(param[kLfo2Waveform] * 3.0f));
        const float amount = param[kLfo2Amount];
        const float depth = ModulationRouting::lfoDepth(amount);
        ModulationRouting::routeLfo2(sums, value, depth, amount, param[kLfo2Destination]);
    }

    // The mod envelope has no sustain and borrows the amp envelope's release.
    const float intensity = param[kModEnvAmount];
    if (intensity > 0.0f) {
        float level = voice.modEnv.step(record.gate, param[kAttackMod], param[kDecayMod], 0.0f,
                                        param[kReleaseAmp]);
        if (param[kModEnvInvert] > 0.5f) {
            level = -level;
        }
        const float modEnvValue = level * fourthPower(intensity);
        ModulationRouting::routeModEnvelope(sums, modEnvValue, param[kModEnvDestination]);
    }
}

void SynthEngine::noteOn(int note, int channel) noexcept {
    if (!isValidNote(note, channel)) {
        return;
    }
    ChannelRecord& record = channels_[channel];
    Voice& voice = voices_[channel];
    const auto newNote = static_cast<float>(note);

    // Legato: glide from the held note. A note after a release does not
    // glide, but keeps any glide left over from before.
    if (record.gate == 1.0f) {
        record.glide = newNote - record.note;
    }
    record.gate = 1.0f;
    record.note = newNote;

    voice.ampEnv.restartKeepingLevel();
    voice.filterEnv.restartFromZero();
    voice.modEnv.restartFromZero();
    const ChannelSettings& param = currentSettings(channel);
    if (param[kLfo1Restart] != 0.0f) {
        voice.lfo1.restart();
    }
    if (param[kLfo2Restart] != 0.0f) {
        voice.lfo2.restart();
    }
}

void SynthEngine::noteOff(int note, int channel) noexcept {
    if (!isValidNote(note, channel)) {
        return;
    }
    // There is no note stack: only releasing the last note played closes the
    // gate, even while earlier keys are still down.
    ChannelRecord& record = channels_[channel];
    if (roundToInt(record.note) == note) {
        record.gate = 0.0f;
    }
}

} // namespace tarvolin
