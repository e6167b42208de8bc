// Any opcode with any index, value and opt, and a pointer that is either null
// or a sized scratch buffer, in any order, on the module built with its editor
// on the headless back end; between them clicks and drags into the editor when
// it is open; then a note renders within bounds. The pointer is never wild:
// where an opcode reads through it, the scratch buffer holds what a host would
// put there (a terminated text, an empty event list, a chunk no longer than
// the buffer), and effEditOpen gets the headless host window or null.
#include "FuzzHost.h"

#include "gui/MouseButtons.h"
#include "gui/platform/headless/HeadlessHost.h"
#include "gui/platform/headless/HeadlessWindow.h"

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

// A click, or a press followed by a few moves, with any buttons and keys.
void playMouse(tarvolin::platform::HeadlessHost& window, ByteStream& input) {
    using tarvolin::platform::MouseState;
    tarvolin::platform::HeadlessWindow* child = window.child();
    if (child == nullptr) {
        return;
    }
    const auto point = [&input] {
        return tarvolin::Point{input.take<std::int16_t>() % 800, input.take<std::int16_t>() % 400};
    };
    const tarvolin::Point where = point();
    std::vector<MouseState> states{{where, input.take<std::uint8_t>() & 0x3F}};
    for (int moves = input.take<std::uint8_t>() % 4; moves > 0; --moves) {
        states.push_back({point(), states.front().buttons});
    }
    states.push_back({states.back().location, 0});
    window.scriptMouse(states);
    window.advanceClock(input.take<std::uint8_t>());
    child->press(where);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ByteStream input(data, size);
    static std::vector<unsigned char> scratch(kScratchSize + 1);
    // Outlives the instance, as a host's window outlives the editor in it.
    tarvolin::platform::HeadlessHost window;
    {
        tarvolin::host::PluginInstance plugin(tarvolin::fuzz::headlessModule(),
                                              tarvolin::fuzz::hostCallback());
        if (!plugin.isOpen()) {
            std::abort();
        }
        for (int n = 0; n < 48 && !input.empty(); ++n) {
            Call call = takeCall(input);
            // Closing is the host's last word: after it the record is gone.
            if (call.opcode == effClose) {
                playMouse(window, input);
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
            void* pointer = call.withPointer ? scratch.data() : nullptr;
            if (call.opcode == effEditOpen) {
                pointer = call.withPointer ? &window : nullptr;
            }
            plugin.dispatch(call.opcode, call.index, call.value, pointer, call.opt);
            if (call.opcode == effEditOpen && window.child() != nullptr) {
                window.child()->paint();
            }
        }
        plugin.sendEvents(std::vector{tarvolin::host::midiEvent(0, 0x90, 69, 100)});
        tarvolin::fuzz::renderAndCheck(plugin, 512);
    }
    // An export switched on by a program's values is finished by the close.
    std::remove("tuneByteDataNew.txt");
    return 0;
}
