// Any opcode with any index, value and opt, and a pointer that is either null
// or a sized scratch buffer, in any order; then a note renders within bounds.
// The pointer is never wild: where an opcode reads through it, the scratch
// buffer holds what a host would put there (a terminated text, an empty event
// list, a chunk no longer than the buffer).
#include "FuzzHost.h"

#include <bit>
#include <cstdio>
#include <vector>

namespace {

using tarvolin::fuzz::ByteStream;

constexpr std::size_t kScratchSize = 8192;

struct Call {
    VstInt32 opcode;
    VstInt32 index;
    VstIntPtr value;
    float opt;
    bool withPointer;
};

Call takeCall(ByteStream& input) {
    Call call{};
    const auto pick = input.take<std::uint8_t>();
    // Mostly the opcodes there are, sometimes any number at all.
    call.opcode = pick & 0x80 ? input.take<VstInt32>() : pick % (kLastDispatcherOpcode + 8);
    const auto shape = input.take<std::uint8_t>();
    call.index = shape & 1 ? input.take<VstInt32>() : input.take<std::int8_t>();
    call.value = shape & 2 ? input.take<VstIntPtr>() : input.take<std::int16_t>();
    call.opt = shape & 4 ? std::bit_cast<float>(input.take<std::uint32_t>())
                         : static_cast<float>(input.take<std::uint16_t>()) * 4.0f;
    call.withPointer = (shape & 8) == 0;
    return call;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ByteStream input(data, size);
    static std::vector<unsigned char> scratch(kScratchSize + 1);
    {
        tarvolin::host::PluginInstance plugin(tarvolin::fuzz::module(),
                                              tarvolin::fuzz::hostCallback());
        if (!plugin.isOpen()) {
            std::abort();
        }
        for (int n = 0; n < 48 && !input.empty(); ++n) {
            Call call = takeCall(input);
            // Closing is the host's last word: after it the record is gone.
            if (call.opcode == effClose) {
                continue;
            }
            std::fill(scratch.begin(), scratch.end(), 0);
            const std::size_t filled = input.take<std::uint8_t>();
            std::memcpy(scratch.data(), input.current(), std::min(filled, input.remaining()));
            input.skip(filled);
            switch (call.opcode) {
            case effSetChunk:
                // The size a host gives is the size of what it gives.
                call.value = static_cast<VstIntPtr>(static_cast<std::size_t>(call.value) %
                                                    (kScratchSize + 1));
                std::memcpy(scratch.data(), input.current(),
                            std::min(kScratchSize, input.remaining()));
                break;
            case effProcessEvents:
                // An empty list: event lists have a target of their own.
                std::fill(scratch.begin(), scratch.end(), 0);
                break;
            case effSetSpeakerArrangement:
            case effVendorSpecific:
                // Pointers in the value are not the fuzzer's to invent.
                call.value = 0;
                break;
            default:
                break;
            }
            plugin.dispatch(call.opcode, call.index, call.value,
                            call.withPointer ? scratch.data() : nullptr, call.opt);
        }
        plugin.sendEvents(std::vector{tarvolin::host::midiEvent(0, 0x90, 69, 100)});
        tarvolin::fuzz::renderAndCheck(plugin, 512);
    }
    // An export switched on by a program's values is finished by the close.
    std::remove("tuneByteDataNew.txt");
    return 0;
}
