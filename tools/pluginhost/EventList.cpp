#include "pluginhost/EventList.h"

namespace tarvolin::host {

EventList::EventList(std::span<const VstMidiEvent> events) : copies(events.begin(), events.end()) {
    // VstEvents ends in a variable-length array of event pointers.
    const std::size_t pointerCount = copies.size() < 2 ? 2 : copies.size();
    const std::size_t bytes = sizeof(VstEvents) + (pointerCount - 2) * sizeof(VstEvent*);
    storage = std::make_unique<unsigned char[]>(bytes);
    VstEvents* list = get();
    list->numEvents = static_cast<VstInt32>(copies.size());
    list->reserved = 0;
    // Written through a pointer: the list runs on past the two entries the record declares.
    VstEvent** const slots = list->events;
    for (std::size_t i = 0; i < copies.size(); ++i) {
        slots[i] = reinterpret_cast<VstEvent*>(&copies[i]);
    }
}

} // namespace tarvolin::host
