#pragma once

#include "Score.h"

namespace tarvolin::render {

// A sixteen-second piece in four phrases that walks through the instrument:
// a detuned saw bass under an opening filter, a gliding pulse-width lead, a
// vibrato bell arpeggio with an FM pluck and a wandering filter, and a
// tremolo lead of saw and pulse a fifth apart. Sounds change by host
// automation at the first note of each phrase; the filter moves by the
// controllers the default program maps to cutoff (40) and resonance (42).
Score demoScore(int sampleRate = kSampleRate);

} // namespace tarvolin::render
