#pragma once

#include "shell/vst2.h"

#include <memory>
#include <span>
#include <vector>

namespace tarvolin::host {

// MIDI events laid out as a host hands them to effProcessEvents: a VstEvents
// record whose pointers lead to copies of the events, all owned here.
class EventList {
public:
    explicit EventList(std::span<const VstMidiEvent> events);

    VstEvents* get() const { return reinterpret_cast<VstEvents*>(storage.get()); }

private:
    std::vector<VstMidiEvent> copies;
    std::unique_ptr<unsigned char[]> storage;
};

} // namespace tarvolin::host
