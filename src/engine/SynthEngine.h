#pragma once

#include "engine/ChannelRecord.h"
#include "engine/ChannelSettings.h"
#include "engine/Modulation.h"
#include "engine/NoiseSource.h"
#include "engine/OscillatorPair.h"
#include "engine/ParameterIndex.h"
#include "engine/PitchBend.h"
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

    // The channel messages a keyboard and a host send besides notes. They act
    // on performance state only, never on the sound setting; channels outside
    // 0..15 are ignored.
    // The wheel's 14-bit position, 8192 at the centre, moves the pitch by up
    // to the channel's bend range either way.
    void pitchBend(int channel, int position) noexcept;
    // The voice falls silent at once and goes idle, as after a finished
    // release.
    void allSoundOff(int channel) noexcept;
    // Closes the gate whatever note is held: the release runs.
    void allNotesOff(int channel) noexcept;
    // The wheel back to the centre, its range back to 2 semitones, no
    // registered parameter selected.
    void resetControllers(int channel) noexcept;
    // Every channel's voice, glide, LFOs and wheel back to where a new engine
    // starts; the parameters stay.
    void resetVoices() noexcept;

    // Whether the sounding voice is silent with no note held: only a note on
    // can make it sound again.
    bool isIdle() const noexcept {
        return channels_[0].gate == 0.0f && voices_[0].ampEnv.level() <= 0.0f;
    }
    // Samples until the sounding voice's release ends: infinity while a note
    // is held or the release never ends, 0 once idle.
    float releaseSamplesLeft() const noexcept;

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
    // Registered parameter traffic sets the bend range here.
    PitchBend& bend(int index) noexcept { return bends_[index]; }
    // Lets a test put a voice into a state the render cannot reach by itself.
    Voice& voice(int index) noexcept { return voices_[index]; }

    // The rate the engine runs at now.
    float sampleRate() const noexcept { return rate_.rate(); }

private:
    static bool isValidChannel(int channel) noexcept {
        return channel >= 0 && channel < kNumChannels;
    }
    static bool isValidNote(int note, int channel) noexcept {
        return note >= 0 && note <= 127 && isValidChannel(channel);
    }
    // The passage to idle: silent envelopes, start phases and no glide left.
    static void enterIdle(ChannelRecord& record, Voice& voice) noexcept {
        voice.enterIdle();
        record.glide = 0.0f;
    }

    // A held note renders in runs of up to this many samples: first what the
    // modulators ask of each sample, then the voice itself.
    static constexpr int kRunLength = kLongestRun;
    static int soundingRun(const ChannelRecord& record, const ChannelSettings& settings,
                           const Voice& voice, int most) noexcept;
    // What the modulators ask of each sample of a run: what drives each
    // oscillator, its pulse width, and what the LFOs add to the cutoff and
    // make of the amplitude. Sample j's values are at index j * stride: a run
    // without modulation has a stride of 0, and its samples share the first.
    struct RunModulation {
        int stride;
        OscillatorDrives osc1;
        OscillatorDrives osc2;
        float cutoffMods[kRunLength];
        float ampMods[kRunLength];
    };
    // What the envelopes make of each sample of a run, worked out ahead of
    // the voice: the ladder's coefficients for the cutoff sum (sample j's at
    // index j * ladderStride) and the amp envelope's level; and, once the
    // voice has run, each sample before its saturation.
    struct RunShaping {
        LadderFilter::RunCoefficients ladder;
        int ladderStride;
        float ampLevels[kRunLength];
        alignas(16) float shaped[kRunLength];
    };
    void prepareShaping(const ChannelRecord& record, const ChannelSettings& settings, Voice& voice,
                        const RunModulation& modulation, RunShaping& shaping, int count) noexcept;
    static void finishShaping(const ChannelSettings& settings, RunShaping& shaping,
                              float* __restrict out, int count) noexcept;
    class VoiceShaper;
    // Fills the first `count` (at most kRunLength) samples of `run`.
    template <class Math>
    void modulateRun(ChannelRecord& record, const ChannelSettings& settings, Voice& voice,
                     float bend, RunModulation& run, int count) noexcept;
    static ModulationSums modulationOf(const ChannelSettings& settings, Voice& voice,
                                       const float* modEnvValues, int count) noexcept;

    void applySampleRate(float rate) noexcept;
    // Brings a channel's derived values up to its stored ones.
    ChannelSettings& currentSettings(int channel) noexcept {
        settings_[channel].refresh(channels_[channel].params, rate_);
        return settings_[channel];
    }

    std::array<ChannelRecord, kNumChannels> channels_;
    std::array<ChannelSettings, kNumChannels> settings_;
    std::array<Voice, kNumChannels> voices_;
    std::array<PitchBend, kNumChannels> bends_;
    RateCoefficients rate_;
    std::atomic<float> requestedRate_;
};

} // namespace tarvolin
