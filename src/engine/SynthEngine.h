#pragma once

#include "engine/ChannelRecord.h"
#include "engine/Modulation.h"
#include "engine/ParameterIndex.h"
#include "engine/Voice.h"

#include <array>

namespace tarvolin {

// The sound generator: one record and one monophonic voice per MIDI channel.
// Every channel takes notes and parameter values, but only channel 0 sounds.
// Everything is allocated here, at construction; render and note calls touch
// only what already exists. Build it on the heap: the sixteen voices carry
// their LFO tables, about 130 kB in all.
class SynthEngine {
public:
    // The envelopes and LFOs convert times and rates with `sampleRate`; the
    // oscillators always convert at 44100 Hz. All records start at zero.
    explicit SynthEngine(float sampleRate) noexcept;

    SynthEngine(const SynthEngine&) = delete;
    SynthEngine& operator=(const SynthEngine&) = delete;

    // Renders one sample of channel 0's voice and adds it to `out`.
    void renderSample(float& out) noexcept;

    // Notes outside 0..127 and channels outside 0..15 are ignored.
    void noteOn(int note, int channel) noexcept;
    void noteOff(int note, int channel) noexcept;

    // `index` must be 0..15.
    ChannelRecord& channel(int index) noexcept { return channels_[index]; }
    const ChannelRecord& channel(int index) const noexcept { return channels_[index]; }
    const Voice& voice(int index) const noexcept { return voices_[index]; }

    float sampleRate() const noexcept { return sampleRate_; }

private:
    static bool isValidNote(int note, int channel) noexcept {
        return note >= 0 && note <= 127 && channel >= 0 && channel < kNumChannels;
    }

    // Render steps 5 and 6: the LFOs and the mod envelope, each only while its
    // rate or intensity is above 0.
    void runModulators(const ChannelRecord& record, Voice& voice, ModulationSums& sums) noexcept;

    std::array<ChannelRecord, kNumChannels> channels_;
    std::array<Voice, kNumChannels> voices_;
    float sampleRate_;
};

} // namespace tarvolin
