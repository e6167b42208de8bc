#pragma once

#include "Score.h"
#include "shell/vst2.h"

#include <cstdint>
#include <vector>

namespace tarvolin::render {

// One processReplacing call and what the host does just before it.
struct ProcessCall {
    std::int64_t start = 0;
    int frames = 0;
    // setParameter calls due at `start`, in score order.
    std::vector<ScheduledParameter> parameters;
    // Events whose sample lies in the call, deltaFrames counted from `start`.
    std::vector<VstMidiEvent> events;
};

// Cuts the timeline into blocks of a fixed size. A block in which automation
// falls is split there, so that every parameter change lands on its own sample
// as a sample-accurate host does it; MIDI needs no split, since events carry
// their offset into the block. Past the score it hands out plain blocks.
class BlockSchedule {
public:
    // The score must outlive the schedule.
    BlockSchedule(const Score& score, int blockSize);

    ProcessCall next();

private:
    const Score& score;
    int blockSize;
    std::int64_t position = 0;
    std::size_t nextMidi = 0;
    std::size_t nextParameter = 0;
};

} // namespace tarvolin::render
