#pragma once

#include "pluginhost/PluginInstance.h"
#include "pluginhost/PluginModule.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace tarvolin::fuzz {

// The built module, or its build with the editor on the headless back end,
// loaded once per fuzzing process as a host loads it.
const host::PluginModule& module();
const host::PluginModule& headlessModule();

// A host that answers like a VST 2.4 host and keeps nothing.
audioMasterCallback hostCallback();

// Takes the fuzzer's bytes from the front; past the end it answers zeros.
class ByteStream {
public:
    ByteStream(const std::uint8_t* data, std::size_t size) : data(data), size(size) {}

    bool empty() const { return position >= size; }
    std::size_t remaining() const { return empty() ? 0 : size - position; }
    const std::uint8_t* current() const { return data + position; }
    void skip(std::size_t count) { position += count < remaining() ? count : remaining(); }

    template <typename Value> Value take() {
        Value value{};
        const std::size_t count = sizeof value < remaining() ? sizeof value : remaining();
        std::memcpy(&value, data + position, count);
        position += count;
        return value;
    }

private:
    const std::uint8_t* data;
    std::size_t size;
    std::size_t position = 0;
};

// Renders frames samples and checks what any host needs of them: finite, and
// within the saturation bound times the rendered channel's volume. A failure
// aborts, which the fuzzer reports with the input.
void renderAndCheck(const host::PluginInstance& plugin, int frames);

} // namespace tarvolin::fuzz
