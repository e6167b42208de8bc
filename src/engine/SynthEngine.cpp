#include "engine/SynthEngine.h"

#include "engine/FastMath.h"
#include "engine/SynthEngineRender.h"

#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <utility>

namespace tarvolin {

namespace {

// Sixteen voices built in place: Voice has no default constructor, and its
// LFOs may not be copied.
template <std::size_t... Index>
std::array<Voice, kNumChannels> makeVoices(float sampleRate, std::index_sequence<Index...>) {
    return {{(static_cast<void>(Index), Voice(sampleRate))...}};
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
    record.glide = 0.0f;
}

void SynthEngine::renderSample(float& out) noexcept {
    float sample = 0.0f;
    render(&sample, 1);
    out += sample;
}

void SynthEngine::render(float* out, int frames) noexcept {
    renderWith<FastMath>(out, frames);
}

template void SynthEngine::renderWith<FastMath>(float* out, int frames) noexcept;

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
    const ChannelSettings& settings = currentSettings(channel);
    if (settings[kLfo1Restart] != 0.0f) {
        voice.lfo1.restart();
    }
    if (settings[kLfo2Restart] != 0.0f) {
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

void SynthEngine::pitchBend(int channel, int position) noexcept {
    if (isValidChannel(channel)) {
        bends_[channel].setWheel(position);
    }
}

void SynthEngine::allSoundOff(int channel) noexcept {
    if (isValidChannel(channel)) {
        channels_[channel].gate = 0.0f;
        enterIdle(channels_[channel], voices_[channel]);
    }
}

void SynthEngine::allNotesOff(int channel) noexcept {
    if (isValidChannel(channel)) {
        channels_[channel].gate = 0.0f;
    }
}

void SynthEngine::resetControllers(int channel) noexcept {
    if (isValidChannel(channel)) {
        bends_[channel].reset();
    }
}

void SynthEngine::resetVoices() noexcept {
    for (int c = 0; c < kNumChannels; ++c) {
        ChannelRecord& record = channels_[c];
        record.lowCutInput = 0.0f;
        record.lowCutState = 0.0f;
        record.glide = 0.0f;
        record.gate = 0.0f;
        record.note = 0.0f;
        voices_[c].reset();
        voices_[c].lfo1.restart();
        voices_[c].lfo2.restart();
        bends_[c].reset();
    }
}

float SynthEngine::releaseSamplesLeft() const noexcept {
    if (isIdle()) {
        return 0.0f;
    }
    const float slope = settings_[0].derived().ampSlopes.release;
    if (channels_[0].gate != 0.0f || !(slope > 0.0f)) {
        return std::numeric_limits<float>::infinity();
    }
    return std::ceil(voices_[0].ampEnv.level() / slope);
}

} // namespace tarvolin
