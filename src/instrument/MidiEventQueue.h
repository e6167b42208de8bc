#pragma once

#include "shell/vst2.h"

#include <memory>

namespace tarvolin {

// The MIDI events of the blocks being played, oldest first. Each event's
// deltaFrames counts the samples still to wait after the event before it fell
// due, so a block is played by asking isDue once per sample. A ring buffer:
// pushing and popping cost the same however many events wait.
class MidiEventQueue {
public:
    explicit MidiEventQueue(int capacity);

    bool isFull() const { return count == capacity; }
    bool isEmpty() const { return count == 0; }
    int size() const { return count; }

    // Adds the newest event; the caller checks isFull first.
    void push(const VstMidiEvent& event);
    // Takes the oldest event, with its waiting time 0; only after isDue answered true.
    void pop(VstMidiEvent& out);
    // Whether the oldest event is due now; if it is not, one sample of its wait is used up.
    bool isDue();
    // How many samples may pass before the oldest event falls due, as that
    // many isDue calls would count them: 0 when it is due now, INT_MAX when
    // the queue is empty.
    int samplesUntilDue() const;
    // Uses up `samples` of the oldest event's wait, at most samplesUntilDue().
    void wait(int samples);

private:
    VstMidiEvent& oldest() { return slots[static_cast<std::size_t>(oldestSlot)]; }
    const VstMidiEvent& oldest() const { return slots[static_cast<std::size_t>(oldestSlot)]; }

    std::unique_ptr<VstMidiEvent[]> slots;
    int capacity;
    int oldestSlot = 0;
    int count = 0;
};

} // namespace tarvolin
