#pragma once

#include "Score.h"

namespace tarvolin::render {

// What a benchmark plays when no MIDI file is given. Notes only, on MIDI
// channel 1, so that any instrument can play them.
enum class BenchPattern {
    // Eight seconds of a sixteenth-note bass line at 125 bpm: short notes,
    // rests and legato slides.
    Phrase,
    // Eight seconds without a note.
    Idle,
    // One short note, then eight seconds of its release.
    Tail,
};

Score benchPattern(BenchPattern pattern, int sampleRate);
const char* benchPatternName(BenchPattern pattern);

} // namespace tarvolin::render
