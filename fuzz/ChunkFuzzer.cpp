// Any bytes as a chunk, with either chunk flag: refused with nothing changed,
// or taken byte for byte with the engine agreeing on every value; then every
// value, display and name is read and a note renders within bounds.
#include "FuzzHost.h"

#include <cmath>
#include <cstdlib>
#include <vector>

namespace {

using tarvolin::fuzz::ByteStream;

constexpr std::size_t kRecordSize = 4372;
constexpr int kNoNoteOff = 49;

std::vector<unsigned char> takeChunk(const tarvolin::host::PluginInstance& plugin) {
    void* data = nullptr;
    const VstIntPtr size = plugin.dispatch(effGetChunk, 0, 0, &data);
    if (size != static_cast<VstIntPtr>(kRecordSize) || data == nullptr) {
        std::abort();
    }
    const auto* bytes = static_cast<const unsigned char*>(data);
    return {bytes, bytes + size};
}

float valueIn(const std::vector<unsigned char>& record, int channel, int index) {
    float value;
    std::memcpy(&value, record.data() + 208 * channel + 4 * index, sizeof value);
    return value;
}

bool same(float a, float b) {
    return a == b || (std::isnan(a) && std::isnan(b));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ByteStream input(data, size);
    const auto flags = input.take<std::uint8_t>();
    tarvolin::host::PluginInstance plugin(tarvolin::fuzz::module(), tarvolin::fuzz::hostCallback());
    if (!plugin.isOpen()) {
        std::abort();
    }
    plugin.dispatch(effMainsChanged, 0, 1);
    const auto before = takeChunk(plugin);
    std::vector<unsigned char> chunk(input.current(), input.current() + input.remaining());
    const VstIntPtr taken =
        plugin.dispatch(effSetChunk, flags & 1, static_cast<VstIntPtr>(chunk.size()), chunk.data());
    const auto after = takeChunk(plugin);
    if (taken == 0) {
        if (after != before) {
            std::abort();
        }
    } else {
        if (chunk.size() < kRecordSize) {
            std::abort();
        }
        // Byte for byte, but for the switch the program keeps as a whole number.
        for (int channel = 0; channel < 16; ++channel) {
            for (int index = 0; index < 52; ++index) {
                const float given = valueIn(chunk, channel, index);
                const float expected = index == kNoNoteOff ? std::nearbyint(given) : given;
                if (!same(valueIn(after, channel, index), expected)) {
                    std::abort();
                }
            }
        }
        if (std::memcmp(after.data() + 3328, chunk.data() + 3328, kRecordSize - 3328) != 0) {
            std::abort();
        }
        // The engine's copy agrees with the record on the current channel.
        for (int index = 0; index < 52; ++index) {
            if (!same(plugin.getParameter(index), valueIn(chunk, 0, index))) {
                std::abort();
            }
        }
    }
    char text[256];
    for (int index = -1; index <= 52; ++index) {
        plugin.dispatch(effGetParamDisplay, index, 0, text);
        plugin.dispatch(effGetParamName, index, 0, text);
    }
    plugin.dispatch(effGetProgramName, 0, 0, text);
    plugin.sendEvents(std::vector{tarvolin::host::midiEvent(0, 0x90, flags & 0x7F, 100)});
    tarvolin::fuzz::renderAndCheck(plugin, 1024);
    return 0;
}
