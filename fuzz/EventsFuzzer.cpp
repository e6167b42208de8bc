// Any event lists over several blocks: counts, byte sizes, types, offsets
// before, inside and far beyond the block, running status bytes, any note and
// velocity, interleaved with any parameter set to any bit pattern.
#include "FuzzHost.h"

#include <bit>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

using tarvolin::fuzz::ByteStream;

constexpr int kLargestBlock = 4096;

void sendEvents(const tarvolin::host::PluginInstance& plugin, ByteStream& input) {
    const int count = input.take<std::uint8_t>();
    std::vector<VstMidiEvent> events(static_cast<std::size_t>(count));
    for (VstMidiEvent& event : events) {
        std::memset(&event, 0, sizeof event);
        const auto kind = input.take<std::uint8_t>();
        event.type = kind & 0x80 ? input.take<VstInt32>() : kVstMidiType;
        event.byteSize = kind & 0x40 ? input.take<VstInt32>() : static_cast<VstInt32>(sizeof event);
        // Mostly inside a few blocks, sometimes anything at all.
        event.deltaFrames = kind & 0x20 ? input.take<VstInt32>() : input.take<std::int16_t>();
        for (int i = 0; i < 3; ++i) {
            event.midiData[i] = static_cast<char>(input.take<std::uint8_t>());
        }
    }
    // The list's pointer array has exactly as many entries as the count says.
    const std::size_t bytes = sizeof(VstEvents) + (count < 2 ? 0 : count - 2) * sizeof(VstEvent*);
    auto storage = std::make_unique<unsigned char[]>(bytes);
    auto* list = reinterpret_cast<VstEvents*>(storage.get());
    list->numEvents = count;
    list->reserved = 0;
    VstEvent** const slots = list->events;
    for (int i = 0; i < count; ++i) {
        slots[i] = reinterpret_cast<VstEvent*>(&events[static_cast<std::size_t>(i)]);
    }
    if (count < 2) {
        slots[count] = nullptr;
    }
    plugin.dispatch(effProcessEvents, 0, 0, list);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ByteStream input(data, size);
    tarvolin::host::PluginInstance plugin(tarvolin::fuzz::module(), tarvolin::fuzz::hostCallback());
    if (!plugin.isOpen()) {
        std::abort();
    }
    plugin.dispatch(effMainsChanged, 0, 1);
    for (int operation = 0; operation < 64 && !input.empty(); ++operation) {
        switch (input.take<std::uint8_t>() % 3) {
        case 0:
            sendEvents(plugin, input);
            break;
        case 1:
            tarvolin::fuzz::renderAndCheck(plugin,
                                           input.take<std::uint16_t>() % (kLargestBlock + 1));
            break;
        default:
            plugin.setParameter(input.take<std::int8_t>(),
                                std::bit_cast<float>(input.take<std::uint32_t>()));
            break;
        }
    }
    tarvolin::fuzz::renderAndCheck(plugin, 512);
    plugin.close();
    // The export switch is a parameter like any other; its file is not kept.
    std::remove("tuneByteDataNew.txt");
    return 0;
}
