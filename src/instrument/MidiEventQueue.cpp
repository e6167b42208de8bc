#include "instrument/MidiEventQueue.h"

#include <climits>

namespace tarvolin {

MidiEventQueue::MidiEventQueue(int capacity)
    : slots(
          std::make_unique<VstMidiEvent[]>(static_cast<std::size_t>(capacity > 0 ? capacity : 1))),
      capacity(capacity > 0 ? capacity : 1) {}

void MidiEventQueue::push(const VstMidiEvent& event) {
    const int newestSlot = (oldestSlot + count) % capacity;
    slots[static_cast<std::size_t>(newestSlot)] = event;
    ++count;
}

void MidiEventQueue::pop(VstMidiEvent& out) {
    out = oldest();
    out.deltaFrames = 0;
    oldestSlot = (oldestSlot + 1) % capacity;
    --count;
}

bool MidiEventQueue::isDue() {
    if (count == 0) {
        return false;
    }
    VstMidiEvent& event = oldest();
    if (event.deltaFrames <= 0) {
        return true;
    }
    --event.deltaFrames;
    return false;
}

int MidiEventQueue::samplesUntilDue() const {
    if (count == 0) {
        return INT_MAX;
    }
    const int wait = oldest().deltaFrames;
    return wait > 0 ? wait : 0;
}

void MidiEventQueue::wait(int samples) {
    if (count != 0) {
        oldest().deltaFrames -= samples;
    }
}

} // namespace tarvolin
