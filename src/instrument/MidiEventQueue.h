#pragma once

#include "instrument/MidiEvent.h"

#include <memory>

namespace tarvolin {

// The MIDI events of the blocks being played, oldest first. Each event's delay
// counts the samples still to wait after the event before it fell due; the
// render loop waits out stretches of samples between them. A ring buffer:
// pushing and popping cost the same however many events wait.
class MidiEventQueue {
public:
    explicit MidiEventQueue(int capacity);

    bool isFull() const { return count == capacity; }
    bool isEmpty() const { return count == 0; }
    int size() const { return count; }

    // A new list of events for the coming block begins: the next event's
    // delay counts from the block's start.
    void startList() { previousDelay = 0.0f; }
    // Queues an event of the list, its delay counted from the event before
    // (a negative delay is kept: the event falls due at once); dropped
    // without notice when the queue is full.
    void receive(const MidiEvent& event);

    // Drops every event still waiting.
    void clear() {
        count = 0;
        oldestSlot = 0;
        previousDelay = 0.0f;
    }
    // Adds the newest event as it is; the caller checks isFull first.
    void push(const MidiEvent& event);
    // Takes the oldest event, with its delay 0; only once samplesUntilDue is 0.
    void pop(MidiEvent& out);
    // How many samples may pass before the oldest event falls due: 0 when it
    // is due now, INT_MAX when the queue is empty.
    int samplesUntilDue() const;
    // Uses up `samples` of the oldest event's wait, at most samplesUntilDue().
    void wait(int samples);

private:
    MidiEvent& oldest() { return slots[static_cast<std::size_t>(oldestSlot)]; }
    const MidiEvent& oldest() const { return slots[static_cast<std::size_t>(oldestSlot)]; }

    std::unique_ptr<MidiEvent[]> slots;
    int capacity;
    int oldestSlot = 0;
    int count = 0;
    // The delay of the list's event before, from the block's start. Kept in
    // float, as the distances have always been worked out.
    float previousDelay = 0.0f;
};

} // namespace tarvolin
