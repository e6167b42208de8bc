#pragma once

#include "engine/ChannelRecord.h"
#include "engine/ChannelSettings.h"
#include "engine/Modulation.h"
#include "engine/NoiseSource.h"
#include "engine/ParameterIndex.h"
#include "engine/RateCoefficients.h"
#include "engine/Voice.h"

#include <array>
#include <atomic>

namespace tarvolin {

// The sound generator: one record and one monophonic voice per MIDI channel.
// Every channel takes notes and parameter values, but only channel 0 sounds.
// Everything is allocated here, at construction; render and note calls touch
// only what already exists. Build it on the heap: with the cutoff table it
// takes some 40 kB.
class SynthEngine {
public:
    // Runs at `sampleRate`, or at 44100 Hz if the rate is not acceptable
    // (RateCoefficients::isAcceptable). All records start at zero.
    explicit SynthEngine(float sampleRate) noexcept;

    SynthEngine(const SynthEngine&) = delete;
    SynthEngine& operator=(const SynthEngine&) = delete;

    // Renders one sample of channel 0's voice and adds it to `out`.
    void renderSample(float& out) noexcept;
    // Renders `frames` samples of channel 0's voice into `out` (overwriting
    // it), as that many renderSample calls on zeros would. Notes and stores
    // from the audio thread belong between two such stretches.
    void render(float* out, int frames) noexcept;
    // The same, with the math policy's sine, cosine and power of two: the
    // engine's own (FastMath) or the C library's (LibraryMath).
    template <class Math> void renderWith(float* __restrict out, int frames) noexcept;

    // Notes outside 0..127 and channels outside 0..15 are ignored.
    void noteOn(int note, int channel) noexcept;
    void noteOff(int note, int channel) noexcept;

    // Stores a parameter of a channel as given, and the value the render
    // computes with, limited to its range. Any thread may call it; channels
    // outside 0..15 and indices outside 0..51 are ignored.
    void setParameter(int channel, int index, float value) noexcept;
    // The value as stored, whatever it is; 0 outside the table.
    float parameter(int channel, int index) const noexcept;

    // Any thread: the rate to run at from the next block on. Rates that are
    // not acceptable are ignored.
    void setSampleRate(float rate) noexcept;

    // Call before each block, on the audio thread: switches to a new rate
    // (the voices keep sounding) and recovers a faulted voice.
    void beginBlock() noexcept;

    // A voice whose oscillator, filter or envelope state has become non-finite
    // is put back to its start state, so one bad moment cannot silence the
    // instance for good. Its note stays held.
    void recoverFaultedVoice() noexcept;

    // `index` must be 0..15.
    const ChannelRecord& channel(int index) const noexcept { return channels_[index]; }
    const ChannelSettings& settings(int index) const noexcept { return settings_[index]; }
    const Voice& voice(int index) const noexcept { return voices_[index]; }
    // Lets a test put a voice into a state the render cannot reach by itself.
    Voice& voice(int index) noexcept { return voices_[index]; }

    // The rate the engine runs at now.
    float sampleRate() const noexcept { return rate_.rate(); }

private:
    static bool isValidNote(int note, int channel) noexcept {
        return note >= 0 && note <= 127 && channel >= 0 && channel < kNumChannels;
    }

    // One sample of the voice in two halves: its sources (modulators,
    // oscillators, noise and the low cut) and their shaping (filter,
    // envelopes and saturation).
    struct VoiceSource {
        float mix;       // after the low cut
        float cutoffMod; // what the LFOs add to the cutoff
        float ampMod;    // the amplitude factor of LFO 2
    };
    // Samples a held note renders in each half before the other.
    static constexpr int kRunLength = 32;
    static int soundingRun(const ChannelRecord& record, const ChannelSettings& settings,
                           const Voice& voice, int most) noexcept;
    // Floats from one source's mix to the next one's.
    static constexpr int kSourceStride = sizeof(VoiceSource) / sizeof(float);
    // Fills `count` (at most kRunLength) sources.
    template <class Math>
    void voiceSources(ChannelRecord& record, const ChannelSettings& settings, Voice& voice,
                      NoiseSource& noise, VoiceSource* sources, int count) noexcept;
    // Writes the shaped samples of `count` (at most kRunLength) sources.
    void shapeVoice(const ChannelRecord& record, const ChannelSettings& settings, Voice& voice,
                    const VoiceSource* sources, int count, float* __restrict out) noexcept;
    // The LFOs and the mod envelope, each only while its rate or intensity is
    // above 0.
    static void runModulators(const ChannelRecord& record, const ChannelSettings& settings,
                              Voice& voice, ModulationSums& sums) noexcept;

    void applySampleRate(float rate) noexcept;
    // Brings a channel's derived values up to its stored ones.
    ChannelSettings& currentSettings(int channel) noexcept {
        settings_[channel].refresh(channels_[channel].params, rate_);
        return settings_[channel];
    }

    std::array<ChannelRecord, kNumChannels> channels_;
    std::array<ChannelSettings, kNumChannels> settings_;
    std::array<Voice, kNumChannels> voices_;
    RateCoefficients rate_;
    std::atomic<float> requestedRate_;
};

} // namespace tarvolin
