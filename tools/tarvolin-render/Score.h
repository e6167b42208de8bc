#pragma once

#include "MidiFile.h"

#include <cstdint>
#include <vector>

namespace tarvolin::render {

// The rate a render runs at unless asked for another.
inline constexpr int kSampleRate = 44100;

struct ScheduledMidi {
    std::int64_t sample;
    unsigned char status;
    unsigned char data1;
    unsigned char data2;
};

// Host automation: a setParameter call made exactly before the given sample.
struct ScheduledParameter {
    std::int64_t sample;
    int index;
    float value;
};

// What a render plays, on the sample grid. Both lists are in time order.
struct Score {
    std::vector<ScheduledMidi> midi;
    std::vector<ScheduledParameter> automation;
    // Covers every scheduled sample; the release tail is rendered after it.
    std::int64_t lengthSamples = 0;
};

std::int64_t secondsToSamples(double seconds, int sampleRate);

// Refuses songs longer than an hour: a few stray bytes in a delta time can ask
// for years of audio.
Score scoreFromSong(const MidiSong& song, int sampleRate);

} // namespace tarvolin::render
