#pragma once

#include "pluginhost/PluginInstance.h"

#include <utility>
#include <vector>

namespace tarvolin::testing {

// A phrase every validator-style test plays: a patch with both oscillators,
// resonance, the filter envelope, an LFO and portamento, then notes, a legato
// glide and controller sweeps at fixed samples, and a release tail.
struct TimedEvent {
    int sample;
    VstMidiEvent event;
};

// The patch as (parameter, value) pairs, and stored through setParameter.
const std::vector<std::pair<int, float>>& phrasePatch();
void setUpPhrasePatch(const host::PluginInstance& plugin);
const std::vector<TimedEvent>& phraseEvents();
inline constexpr int kPhraseLength = 24576;

// Plays the phrase in blocks of blockSize frames, each event in the block
// that holds its sample at its offset there; answers the left channel and
// checks that the right one is the same.
std::vector<float> renderPhrase(const host::PluginInstance& plugin, int blockSize);

} // namespace tarvolin::testing
