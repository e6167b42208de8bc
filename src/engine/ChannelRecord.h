#pragma once

#include "engine/ParameterIndex.h"
#include "engine/ParameterSlot.h"

#include <array>

namespace tarvolin {

// One MIDI channel: its sound setting and the state of its monophonic voice
// that is not kept inside a DSP object.
struct ChannelRecord {
    // Written by the instrument from any thread, read afresh each sample.
    std::array<ParameterSlot, kNumParameters> params;
    // Low cut: previous input and previous output.
    float lowCutInput = 0.0f;
    float lowCutState = 0.0f;
    // Semitones of portamento still to run; positive when gliding up.
    float glide = 0.0f;
    // 1.0 while a note is held, 0.0 otherwise.
    float gate = 0.0f;
    // The last note-on's MIDI note number.
    float note = 0.0f;
};

} // namespace tarvolin
