#include "DemoTune.h"

#include "engine/ParameterIndex.h"

#include <algorithm>
#include <cstdlib>
#include <span>

namespace tarvolin::render {

namespace {

constexpr double kSecondsPerBeat = 0.5; // 120 beats per minute
constexpr unsigned char kChannel1 = 0;
constexpr unsigned char kCutoffController = 40;
constexpr unsigned char kResonanceController = 42;

// Switch positions: the engine rounds value × (positions − 1).
constexpr float kSine = 0.0f;
constexpr float kTriangle = 1.0f / 3.0f;
constexpr float kSaw = 2.0f / 3.0f;
constexpr float kRectangle = 1.0f;
constexpr float kLfo1ToPulseWidth = 0.5f;
constexpr float kLfo1ToPitch = 0.75f;
constexpr float kLfo2ToAmplitude = 0.5f;
constexpr float kLfo2ToCutoff = 1.0f;
constexpr float kModEnvToFm2 = 0.5f;

// Oscillator 2 is tuned in whole semitones over ±24.
constexpr float semitonesUp(int semitones) {
    return 0.5f + semitones / 48.0f;
}

struct DemoNote {
    double beat;
    double beats; // longer than the gap to the next note: played legato
    int note;     // 69 sounds at 220 Hz on this instrument
};

struct DemoSweep {
    double beat;
    double beats;
    unsigned char controller;
    int from;
    int to;
};

struct DemoSetting {
    double beat;
    int parameter;
    float value;
};

// clang-format off
constexpr DemoNote kNotes[] = {
    // Bass: A minor, F, C, G in eighths.
    {0.0, 0.3, 57}, {0.5, 0.3, 69}, {1.0, 0.3, 64}, {1.5, 0.3, 69},
    {2.0, 0.3, 53}, {2.5, 0.3, 65}, {3.0, 0.3, 60}, {3.5, 0.3, 65},
    {4.0, 0.3, 48}, {4.5, 0.3, 60}, {5.0, 0.3, 55}, {5.5, 0.3, 60},
    {6.0, 0.3, 55}, {6.5, 0.3, 67}, {7.0, 0.3, 62}, {7.5, 0.3, 67},
    // Lead: overlapping notes glide into each other.
    {8.0, 1.1, 69}, {9.0, 0.6, 72}, {9.5, 0.6, 76}, {10.0, 1.6, 77},
    {11.5, 0.6, 76}, {12.0, 1.1, 72}, {13.0, 1.1, 79}, {14.0, 1.1, 74},
    {15.0, 0.7, 71},
    // Bells: detached arpeggios.
    {16.0, 0.45, 69}, {16.5, 0.45, 72}, {17.0, 0.45, 76}, {17.5, 0.45, 81},
    {18.0, 0.45, 69}, {18.5, 0.45, 72}, {19.0, 0.45, 77}, {19.5, 0.45, 81},
    {20.0, 0.45, 67}, {20.5, 0.45, 72}, {21.0, 0.45, 76}, {21.5, 0.45, 79},
    {22.0, 0.45, 67}, {22.5, 0.45, 71}, {23.0, 0.45, 74}, {23.5, 0.45, 79},
    // Finale: legato again, ending on a held A.
    {24.0, 1.1, 81}, {25.0, 0.6, 84}, {25.5, 0.6, 83}, {26.0, 1.1, 81},
    {27.0, 1.1, 76}, {28.0, 0.6, 77}, {28.5, 0.6, 79}, {29.0, 1.1, 76},
    {30.0, 2.0, 81},
};

constexpr DemoSweep kSweeps[] = {
    {0.0, 7.5, kCutoffController, 14, 60},     {0.0, 7.5, kResonanceController, 40, 76},
    {8.0, 7.5, kCutoffController, 56, 36},     {8.0, 7.5, kResonanceController, 60, 24},
    {16.0, 0.0, kCutoffController, 30, 30},    {16.0, 7.5, kResonanceController, 20, 50},
    {24.0, 6.0, kCutoffController, 20, 62},    {24.0, 6.0, kResonanceController, 30, 90},
    {30.0, 2.0, kCutoffController, 62, 40},    {30.0, 2.0, kResonanceController, 90, 40},
};

constexpr DemoSetting kSettings[] = {
    // Everything the later phrases touch starts from a known value, whatever
    // program or chunk was loaded; VOLUME and MASTERPITCH are left to the user.
    {0.0, kNoiseVolume, 0.0f},        {0.0, kVolumeOsc1, 0.5f},
    {0.0, kWaveformOsc1, kSaw},       {0.0, kFmAmountOsc1, 0.0f},
    {0.0, kVolumeOsc2, 0.4f},         {0.0, kTuneOsc2, semitonesUp(0)},
    {0.0, kFineTuneOsc2, 0.58f},      {0.0, kWaveformOsc2, kSaw},
    {0.0, kFmAmountOsc2, 0.0f},       {0.0, kPwAmountOsc2, 0.0f},
    {0.0, kFilterType, 0.0f},         {0.0, kKeyFollow, 0.0f},
    {0.0, kLfo1Rate, 0.0f},           {0.0, kLfo1Restart, 0.0f},
    {0.0, kLfo2Rate, 0.0f},           {0.0, kLfo2Restart, 0.0f},
    {0.0, kAttackAmp, 0.0f},          {0.0, kDecayAmp, 0.75f},
    {0.0, kSustainAmp, 0.4f},         {0.0, kReleaseAmp, 0.55f},
    {0.0, kFilterEnvAmount, 0.3f},    {0.0, kAttackFilter, 0.0f},
    {0.0, kDecayFilter, 0.5f},        {0.0, kSustainFilter, 0.0f},
    {0.0, kReleaseFilter, 0.5f},      {0.0, kModEnvAmount, 0.0f},
    {0.0, kLowCut, 1.0f},             {0.0, kPortamento, 0.0f},
    {0.0, kMidiLearn, 0.0f},
    // Lead: two pulses an octave apart, their widths swept by LFO 1.
    {8.0, kWaveformOsc1, kRectangle}, {8.0, kWaveformOsc2, kRectangle},
    {8.0, kTuneOsc2, semitonesUp(12)}, {8.0, kFineTuneOsc2, 0.52f},
    {8.0, kVolumeOsc2, 0.3f},         {8.0, kPwAmountOsc2, 0.1f},
    {8.0, kLfo1Rate, 0.5f},           {8.0, kLfo1Amount, 0.85f},
    {8.0, kLfo1Waveform, 0.0f},       {8.0, kLfo1Destination, kLfo1ToPulseWidth},
    {8.0, kPortamento, 0.5f},
    {8.0, kAttackAmp, 0.3f},          {8.0, kDecayAmp, 0.65f},
    {8.0, kSustainAmp, 0.7f},         {8.0, kReleaseAmp, 0.65f},
    {8.0, kFilterEnvAmount, 0.1f},    {8.0, kAttackFilter, 0.3f},
    {8.0, kDecayFilter, 0.6f},        {8.0, kSustainFilter, 0.3f},
    // Bells: a sine (it sounds an octave up) over a triangle that the mod
    // envelope plucks with FM; LFO 1 gives vibrato, LFO 2 moves the filter.
    {16.0, kWaveformOsc1, kSine},     {16.0, kWaveformOsc2, kTriangle},
    {16.0, kTuneOsc2, semitonesUp(0)}, {16.0, kFineTuneOsc2, 0.5f},
    {16.0, kVolumeOsc2, 0.45f},       {16.0, kPwAmountOsc2, 0.0f},
    {16.0, kModEnvAmount, 0.6f},      {16.0, kModEnvDestination, kModEnvToFm2},
    {16.0, kModEnvInvert, 0.0f},      {16.0, kAttackMod, 0.0f},
    {16.0, kDecayMod, 0.55f},
    {16.0, kLfo1Rate, 0.7f},          {16.0, kLfo1Amount, 0.62f},
    {16.0, kLfo1Waveform, 0.0f},      {16.0, kLfo1Destination, kLfo1ToPitch},
    {16.0, kLfo2Rate, 0.42f},         {16.0, kLfo2Amount, 0.85f},
    {16.0, kLfo2Waveform, 0.0f},      {16.0, kLfo2Destination, kLfo2ToCutoff},
    {16.0, kPortamento, 0.0f},
    {16.0, kAttackAmp, 0.0f},         {16.0, kDecayAmp, 0.6f},
    {16.0, kSustainAmp, 0.15f},       {16.0, kReleaseAmp, 0.72f},
    {16.0, kFilterEnvAmount, 0.15f},  {16.0, kAttackFilter, 0.0f},
    {16.0, kDecayFilter, 0.55f},      {16.0, kSustainFilter, 0.0f},
    // Finale: saw and pulse a fifth apart, a breath of noise, tremolo from LFO 2.
    {24.0, kWaveformOsc1, kSaw},      {24.0, kWaveformOsc2, kRectangle},
    {24.0, kTuneOsc2, semitonesUp(7)}, {24.0, kVolumeOsc2, 0.3f},
    {24.0, kPwAmountOsc2, 0.3f},      {24.0, kModEnvAmount, 0.0f},
    {24.0, kNoiseVolume, 0.06f},
    {24.0, kLfo1Rate, 0.68f},         {24.0, kLfo1Amount, 0.63f},
    {24.0, kLfo2Rate, 0.62f},         {24.0, kLfo2Amount, 0.7f},
    {24.0, kLfo2Destination, kLfo2ToAmplitude},
    {24.0, kPortamento, 0.6f},
    {24.0, kAttackAmp, 0.2f},         {24.0, kDecayAmp, 0.7f},
    {24.0, kSustainAmp, 0.75f},       {24.0, kReleaseAmp, 0.76f},
    {24.0, kFilterEnvAmount, 0.2f},   {24.0, kAttackFilter, 0.4f},
    {24.0, kDecayFilter, 0.6f},       {24.0, kSustainFilter, 0.2f},
    {24.0, kReleaseFilter, 0.6f},
};
// clang-format on

std::int64_t beatToSample(double beat, int sampleRate) {
    return secondsToSamples(beat * kSecondsPerBeat, sampleRate);
}

void addNotes(std::span<const DemoNote> notes, int sampleRate, std::vector<ScheduledMidi>& midi) {
    for (const DemoNote& note : notes) {
        const auto key = static_cast<unsigned char>(note.note);
        midi.push_back({beatToSample(note.beat, sampleRate), 0x90 | kChannel1, key, 100});
        midi.push_back(
            {beatToSample(note.beat + note.beats, sampleRate), 0x80 | kChannel1, key, 0});
    }
}

// A controller turned at an even pace, one message per step of its value.
void addSweeps(std::span<const DemoSweep> sweeps, int sampleRate,
               std::vector<ScheduledMidi>& midi) {
    for (const DemoSweep& sweep : sweeps) {
        const int steps = std::abs(sweep.to - sweep.from);
        for (int i = 0; i <= steps; ++i) {
            const double beat = sweep.beat + (steps == 0 ? 0.0 : sweep.beats * i / steps);
            const int value = sweep.from + (sweep.to > sweep.from ? i : -i);
            midi.push_back({beatToSample(beat, sampleRate), 0xB0 | kChannel1, sweep.controller,
                            static_cast<unsigned char>(value)});
        }
    }
}

// At one sample: note offs first, so that a note struck again is not released
// at once, then controllers, so that a note starts with the filter it is meant for.
int orderAtSameSample(const ScheduledMidi& message) {
    switch (message.status & 0xF0) {
    case 0x80:
        return 0;
    case 0xB0:
        return 1;
    default:
        return 2;
    }
}

} // namespace

Score demoScore(int sampleRate) {
    Score score;
    addNotes(kNotes, sampleRate, score.midi);
    addSweeps(kSweeps, sampleRate, score.midi);
    std::stable_sort(score.midi.begin(), score.midi.end(),
                     [](const ScheduledMidi& a, const ScheduledMidi& b) {
                         return a.sample != b.sample ? a.sample < b.sample
                                                     : orderAtSameSample(a) < orderAtSameSample(b);
                     });
    for (const DemoSetting& setting : kSettings) {
        score.automation.push_back(
            {beatToSample(setting.beat, sampleRate), setting.parameter, setting.value});
    }
    score.lengthSamples = score.midi.back().sample + 1;
    return score;
}

} // namespace tarvolin::render
