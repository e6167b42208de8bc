#include "BlockSchedule.h"

#include "pluginhost/PluginInstance.h"

#include <algorithm>

namespace tarvolin::render {

BlockSchedule::BlockSchedule(const Score& score, int blockSize)
    : score(score), blockSize(blockSize) {}

ProcessCall BlockSchedule::next() {
    ProcessCall call;
    call.start = position;
    std::int64_t end = (position / blockSize + 1) * blockSize;

    const auto& automation = score.automation;
    while (nextParameter < automation.size() && automation[nextParameter].sample <= position) {
        call.parameters.push_back(automation[nextParameter++]);
    }
    if (nextParameter < automation.size()) {
        end = std::min(end, automation[nextParameter].sample);
    }

    const auto& midi = score.midi;
    while (nextMidi < midi.size() && midi[nextMidi].sample < end) {
        const ScheduledMidi& message = midi[nextMidi++];
        // Anything scheduled before the start of the render plays at its first sample.
        const auto offset = static_cast<int>(std::max<std::int64_t>(0, message.sample - position));
        call.events.push_back(
            host::midiEvent(offset, message.status, message.data1, message.data2));
    }

    call.frames = static_cast<int>(end - position);
    position = end;
    return call;
}

} // namespace tarvolin::render
