#include "instrument/MidiEventQueue.h"

#include "engine/EngineMath.h"

#include <climits>

namespace tarvolin {

MidiEventQueue::MidiEventQueue(int capacity)
    : slots(std::make_unique<MidiEvent[]>(static_cast<std::size_t>(capacity > 0 ? capacity : 1))),
      capacity(capacity > 0 ? capacity : 1) {}

void MidiEventQueue::receive(const MidiEvent& event) {
    MidiEvent queued = event;
    if (event.delay >= 0) {
        queued.delay = roundToInt(static_cast<float>(event.delay) - previousDelay);
    }
    previousDelay = static_cast<float>(event.delay);
    if (!isFull()) {
        push(queued);
    }
}

void MidiEventQueue::push(const MidiEvent& event) {
    const int newestSlot = (oldestSlot + count) % capacity;
    slots[static_cast<std::size_t>(newestSlot)] = event;
    ++count;
}

void MidiEventQueue::pop(MidiEvent& out) {
    out = oldest();
    out.delay = 0;
    oldestSlot = (oldestSlot + 1) % capacity;
    --count;
}

int MidiEventQueue::samplesUntilDue() const {
    if (count == 0) {
        return INT_MAX;
    }
    const int wait = oldest().delay;
    return wait > 0 ? wait : 0;
}

void MidiEventQueue::wait(int samples) {
    if (count != 0) {
        oldest().delay -= samples;
    }
}

} // namespace tarvolin
