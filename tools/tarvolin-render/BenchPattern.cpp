#include "BenchPattern.h"

#include <algorithm>

namespace tarvolin::render {

namespace {

constexpr double kSeconds = 8.0;
constexpr double kStepSeconds = 0.12; // sixteenths at 125 bpm
constexpr unsigned char kNoteOn = 0x90;
constexpr unsigned char kNoteOff = 0x80;
constexpr unsigned char kVelocity = 100;

// One bar: the note of each step (0 a rest) and whether it slides into the next.
struct Step {
    unsigned char note;
    bool slide;
};
constexpr Step kBar[] = {{45, false}, {45, false}, {57, true}, {45, false},
                         {0, false},  {48, false}, {45, true}, {52, false},
                         {45, false}, {0, false},  {55, true}, {57, false},
                         {45, false}, {43, false}, {0, false}, {40, true}};

void addNote(Score& score, double on, double off, unsigned char note, int sampleRate) {
    score.midi.push_back({secondsToSamples(on, sampleRate), kNoteOn, note, kVelocity});
    score.midi.push_back({secondsToSamples(off, sampleRate), kNoteOff, note, 0});
}

void addPhrase(Score& score, int sampleRate) {
    const int steps = static_cast<int>(kSeconds / kStepSeconds);
    for (int i = 0; i < steps; ++i) {
        const Step& step = kBar[i % std::size(kBar)];
        if (step.note == 0) {
            continue;
        }
        // A slide holds the note past the start of the next one: legato.
        const double length = step.slide ? 1.25 * kStepSeconds : 0.6 * kStepSeconds;
        addNote(score, i * kStepSeconds, i * kStepSeconds + length, step.note, sampleRate);
    }
    std::stable_sort(
        score.midi.begin(), score.midi.end(),
        [](const ScheduledMidi& a, const ScheduledMidi& b) { return a.sample < b.sample; });
}

} // namespace

Score benchPattern(BenchPattern pattern, int sampleRate) {
    Score score;
    switch (pattern) {
    case BenchPattern::Phrase:
        addPhrase(score, sampleRate);
        break;
    case BenchPattern::Idle:
        break;
    case BenchPattern::Tail:
        addNote(score, 0.0, 0.1, 45, sampleRate);
        break;
    }
    score.lengthSamples = secondsToSamples(kSeconds, sampleRate);
    return score;
}

const char* benchPatternName(BenchPattern pattern) {
    switch (pattern) {
    case BenchPattern::Phrase:
        return "bass phrase";
    case BenchPattern::Idle:
        return "idle";
    case BenchPattern::Tail:
        return "release tail";
    }
    return "";
}

} // namespace tarvolin::render
