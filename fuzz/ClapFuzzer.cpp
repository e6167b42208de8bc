// Tarvolin.clap driven as the oddest CLAP host might: events of any type,
// space, size and time, parameter values of any bits, flushes, state bytes
// through streams that move any number of bytes, and the lifecycle calls in
// any order.
#include "FuzzHost.h"

#include "clap/abi/Entry.h"
#include "clap/abi/Host.h"
#include "clap/abi/Params.h"
#include "clap/abi/Plugin.h"
#include "clap/abi/Process.h"
#include "clap/abi/State.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include <dlfcn.h>

namespace {

using namespace tarvolin::clap;
using tarvolin::fuzz::ByteStream;

constexpr std::uint32_t kLargestBlock = 4096;
// The saturation never exceeds 2 / sqrt(3); VOLUME is limited to 1.
constexpr float kPeak = 1.1547006f + 1e-6f;
constexpr std::size_t kEventRoom = 64;

const clap_plugin_entry_t& entry() {
    static const clap_plugin_entry_t* loaded = [] {
        void* handle = dlopen(TARVOLIN_CLAP_MODULE_PATH, RTLD_NOW | RTLD_LOCAL);
        const auto* found =
            handle != nullptr ? static_cast<const clap_plugin_entry_t*>(dlsym(handle, "clap_entry"))
                              : nullptr;
        if (found == nullptr || !found->init(TARVOLIN_CLAP_MODULE_PATH)) {
            std::abort();
        }
        return found;
    }();
    return *loaded;
}

const clap_host_t kHost = {CLAP_VERSION,
                           nullptr,
                           "fuzz",
                           "",
                           "",
                           "1",
                           [](const clap_host_t*, const char*) -> const void* { return nullptr; },
                           [](const clap_host_t*) {},
                           [](const clap_host_t*) {},
                           [](const clap_host_t*) {}};

// A block's events, each in a slot of its own whatever size it claims.
struct Events {
    std::vector<std::array<std::uint8_t, kEventRoom>> slots;
    clap_input_events_t list{
        this,
        [](const clap_input_events_t* l) {
            return static_cast<std::uint32_t>(static_cast<Events*>(l->ctx)->slots.size());
        },
        [](const clap_input_events_t* l, std::uint32_t i) -> const clap_event_header_t* {
            auto& slots = static_cast<Events*>(l->ctx)->slots;
            return i < slots.size() ? reinterpret_cast<const clap_event_header_t*>(slots[i].data())
                                    : nullptr;
        }};

    explicit Events(ByteStream& input) {
        slots.resize(input.take<std::uint8_t>() % 48);
        for (auto& slot : slots) {
            clap_event_header_t header{};
            const auto kind = input.take<std::uint8_t>();
            header.type = kind & 0x80 ? input.take<std::uint16_t>() : kind % 13;
            header.space_id = kind & 0x40 ? input.take<std::uint16_t>() : CLAP_CORE_EVENT_SPACE_ID;
            header.size = kind & 0x20 ? input.take<std::uint8_t>() % kEventRoom : 56;
            header.time =
                kind & 0x10 ? input.take<std::uint32_t>() : input.take<std::uint16_t>() % 512;
            slot.fill(0);
            std::memcpy(slot.data(), &header, sizeof header);
            for (std::size_t i = sizeof header; i < kEventRoom && !input.empty(); ++i) {
                slot[i] = input.take<std::uint8_t>();
            }
        }
    }
};

clap_output_events_t kOut = {
    nullptr, [](const clap_output_events_t*, const clap_event_header_t* event) {
        if (event->space_id != CLAP_CORE_EVENT_SPACE_ID || event->time != 0) {
            std::abort();
        }
        return true;
    }};

void process(const clap_plugin_t* plugin, ByteStream& input) {
    static std::vector<float> left, right;
    const std::uint32_t frames = input.take<std::uint16_t>() % (kLargestBlock + 1);
    Events events(input);
    left.assign(frames + 1, std::nanf(""));
    right.assign(frames + 1, std::nanf(""));
    float* channels[] = {left.data(), right.data()};
    clap_audio_buffer_t output{channels, nullptr, 2, 0, 0};
    const clap_process_t block{0, frames, nullptr, nullptr, &output, 0, 1, &events.list, &kOut};
    if (plugin->process(plugin, &block) == CLAP_PROCESS_ERROR) {
        return;
    }
    for (std::uint32_t i = 0; i < frames; ++i) {
        if (!(std::fabs(left[i]) <= kPeak) || left[i] != right[i]) {
            std::fprintf(stderr, "sample %u is %g and %g\n", i, static_cast<double>(left[i]),
                         static_cast<double>(right[i]));
            std::abort();
        }
    }
    if (!std::isnan(left[frames]) || !std::isnan(right[frames])) {
        std::abort();
    }
}

// Moves at most `step` bytes a call; a step of 0 fails at once.
struct Stream {
    ByteStream* input;
    std::int64_t step;
    static std::int64_t read(const clap_istream_t* s, void* buffer, std::uint64_t size) {
        auto& self = *static_cast<Stream*>(s->ctx);
        if (self.step == 0) {
            return -1;
        }
        const std::size_t n = std::min<std::uint64_t>(
            {size, static_cast<std::uint64_t>(self.step), self.input->remaining()});
        std::memcpy(buffer, self.input->current(), n);
        self.input->skip(n);
        return static_cast<std::int64_t>(n);
    }
    static std::int64_t write(const clap_ostream_t* s, const void*, std::uint64_t size) {
        const auto step = static_cast<Stream*>(s->ctx)->step;
        return step == 0 ? -1
                         : static_cast<std::int64_t>(
                               std::min<std::uint64_t>(size, static_cast<std::uint64_t>(step)));
    }
};

void parameters(const clap_plugin_t* plugin, const clap_plugin_params_t& params,
                ByteStream& input) {
    const auto id = input.take<std::uint8_t>();
    const auto value = std::bit_cast<double>(input.take<std::uint64_t>());
    char text[32];
    params.value_to_text(plugin, id, value, text, input.take<std::uint8_t>() % sizeof text);
    text[sizeof text - 1] = '\0';
    double back = 0.0;
    params.text_to_value(plugin, id, text, &back);
    params.get_value(plugin, id, &back);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ByteStream input(data, size);
    const auto& factory =
        *static_cast<const clap_plugin_factory_t*>(entry().get_factory(CLAP_PLUGIN_FACTORY_ID));
    const clap_plugin_t* plugin = factory.create_plugin(&factory, &kHost, "com.halbrook.tarvolin");
    if (plugin == nullptr || !plugin->init(plugin)) {
        std::abort();
    }
    const auto& params =
        *static_cast<const clap_plugin_params_t*>(plugin->get_extension(plugin, CLAP_EXT_PARAMS));
    const auto& state =
        *static_cast<const clap_plugin_state_t*>(plugin->get_extension(plugin, CLAP_EXT_STATE));
    for (int operation = 0; operation < 64 && !input.empty(); ++operation) {
        switch (input.take<std::uint8_t>() % 10) {
        case 0:
            plugin->activate(plugin,
                             input.take<std::uint8_t>() & 1
                                 ? 44100.0
                                 : std::bit_cast<double>(input.take<std::uint64_t>()),
                             1, kLargestBlock);
            break;
        case 1:
            plugin->deactivate(plugin);
            break;
        case 2:
            plugin->start_processing(plugin);
            break;
        case 3:
            plugin->stop_processing(plugin);
            break;
        case 4:
            plugin->reset(plugin);
            break;
        case 5: {
            Events events(input);
            params.flush(plugin, &events.list, &kOut);
            break;
        }
        case 6: {
            Stream stream{&input, input.take<std::uint16_t>() % 5000};
            const clap_istream_t in{&stream, Stream::read};
            const clap_ostream_t out{&stream, Stream::write};
            state.load(plugin, &in);
            state.save(plugin, &out);
            break;
        }
        case 7:
            parameters(plugin, params, input);
            break;
        case 8:
            plugin->on_main_thread(plugin);
            break;
        default:
            process(plugin, input);
            break;
        }
    }
    plugin->destroy(plugin);
    // The export switch is a parameter like any other; its file is not kept.
    std::remove("tuneByteDataNew.txt");
    return 0;
}
