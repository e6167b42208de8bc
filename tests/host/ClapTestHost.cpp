#include "ClapTestHost.h"

#include "clap/abi/HostServices.h"
#include "clap/abi/Params.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <cstring>
#include <limits>
#include <stdexcept>

#include <unistd.h>

namespace tarvolin::testing {

namespace {

std::atomic<int> copies{0};

ClapTestHost& hostOf(const clap_host_t* host) {
    return *static_cast<ClapTestHost*>(host->host_data);
}

const clap_host_params_t kHostParams = {
    [](const clap_host_t* host, std::uint32_t) { ++hostOf(host).rescans; },
    [](const clap_host_t*, clap_id, std::uint32_t) {},
    [](const clap_host_t* host) { ++hostOf(host).flushRequests; },
};

const clap_host_timer_support_t kHostTimers = {
    [](const clap_host_t* host, std::uint32_t, clap_id* id) {
        auto& timers = hostOf(host).timers;
        *id = static_cast<clap_id>(timers.size() + 7);
        timers.push_back(*id);
        return true;
    },
    [](const clap_host_t* host, clap_id id) {
        auto& timers = hostOf(host).timers;
        return std::erase(timers, id) == 1;
    },
};

const clap_host_posix_fd_support_t kHostFds = {
    [](const clap_host_t* host, int fd, std::uint32_t) {
        hostOf(host).fds.push_back(fd);
        return true;
    },
    [](const clap_host_t*, int, std::uint32_t) { return true; },
    [](const clap_host_t* host, int fd) { return std::erase(hostOf(host).fds, fd) == 1; },
};

struct Output {
    ClapTestHost* host;
    clap_output_events_t list{this, push};
    static bool push(const clap_output_events_t* list, const clap_event_header_t* event) {
        auto& sent = static_cast<Output*>(list->ctx)->host->sent;
        EXPECT_EQ(event->space_id, CLAP_CORE_EVENT_SPACE_ID);
        EXPECT_EQ(event->time, 0u);
        if (event->type == CLAP_EVENT_PARAM_VALUE) {
            EXPECT_EQ(event->size, sizeof(clap_event_param_value_t));
            const auto* value = reinterpret_cast<const clap_event_param_value_t*>(event);
            sent.push_back({event->type, value->param_id, value->value});
        } else {
            EXPECT_EQ(event->size, sizeof(clap_event_param_gesture_t));
            const auto* gesture = reinterpret_cast<const clap_event_param_gesture_t*>(event);
            sent.push_back({event->type, gesture->param_id, 0.0});
        }
        return true;
    }
};

} // namespace

ClapModule::ClapModule() {
    const std::filesystem::path original = TARVOLIN_CLAP_MODULE_PATH;
    copy = std::filesystem::temp_directory_path() /
           ("tarvolin-clap-" + std::to_string(getpid()) + "-" + std::to_string(copies++) + ".clap");
    std::filesystem::copy_file(original, copy, std::filesystem::copy_options::overwrite_existing);
    library = std::make_unique<host::SharedLibrary>(copy.string());
    if (!library->isLoaded()) {
        throw std::runtime_error(library->error());
    }
    clapEntry = static_cast<const clap_plugin_entry_t*>(symbol("clap_entry"));
    if (clapEntry == nullptr || !clapEntry->init(copy.string().c_str())) {
        throw std::runtime_error("no clap_entry, or it would not init");
    }
}

ClapModule::~ClapModule() {
    clapEntry->deinit();
    library.reset();
    std::error_code ignored;
    std::filesystem::remove(copy, ignored);
}

const clap_plugin_factory_t& ClapModule::factory() const {
    return *static_cast<const clap_plugin_factory_t*>(
        clapEntry->get_factory(CLAP_PLUGIN_FACTORY_ID));
}

void* ClapModule::symbol(const char* name) const {
    return library->symbol(name);
}

void ClapEvents::add(const clap_event_header_t& event) {
    const auto* bytes = reinterpret_cast<const std::byte*>(&event);
    events.emplace_back(bytes, bytes + event.size);
}

void ClapEvents::note(std::uint32_t time, std::uint16_t type, int key, double velocity,
                      int channel) {
    clap_event_note_t event{{sizeof event, time, CLAP_CORE_EVENT_SPACE_ID, type, 0},
                            -1,
                            0,
                            static_cast<std::int16_t>(channel),
                            static_cast<std::int16_t>(key),
                            velocity};
    add(event.header);
}

void ClapEvents::midi(std::uint32_t time, std::uint8_t status, std::uint8_t data1,
                      std::uint8_t data2) {
    clap_event_midi_t event{{sizeof event, time, CLAP_CORE_EVENT_SPACE_ID, CLAP_EVENT_MIDI, 0},
                            0,
                            {status, data1, data2}};
    add(event.header);
}

void ClapEvents::param(std::uint32_t time, clap_id id, double value) {
    clap_event_param_value_t event{};
    event.header = {sizeof event, time, CLAP_CORE_EVENT_SPACE_ID, CLAP_EVENT_PARAM_VALUE, 0};
    event.param_id = id;
    event.note_id = -1;
    event.port_index = event.channel = event.key = -1;
    event.value = value;
    add(event.header);
}

std::uint32_t ClapEvents::size(const clap_input_events_t* list) {
    return static_cast<std::uint32_t>(static_cast<const ClapEvents*>(list->ctx)->events.size());
}

const clap_event_header_t* ClapEvents::get(const clap_input_events_t* list, std::uint32_t index) {
    const auto& events = static_cast<const ClapEvents*>(list->ctx)->events;
    return index < events.size()
               ? reinterpret_cast<const clap_event_header_t*>(events[index].data())
               : nullptr;
}

ClapTestHost::ClapTestHost(const ClapModule& module, clap_version_t version) {
    record = {version,
              this,
              "test host",
              "Halbrook",
              "",
              "1",
              [](const clap_host_t*, const char* id) -> const void* {
                  if (std::strcmp(id, CLAP_EXT_PARAMS) == 0) {
                      return &kHostParams;
                  }
                  if (std::strcmp(id, CLAP_EXT_TIMER_SUPPORT) == 0) {
                      return &kHostTimers;
                  }
                  return std::strcmp(id, CLAP_EXT_POSIX_FD_SUPPORT) == 0 ? &kHostFds : nullptr;
              },
              [](const clap_host_t*) {},
              [](const clap_host_t*) {},
              [](const clap_host_t* host) { ++hostOf(host).callbackRequests; }};
    const auto& factory = module.factory();
    plugin = factory.create_plugin(&factory, &record, "com.halbrook.tarvolin");
    if (plugin != nullptr && !plugin->init(plugin)) {
        plugin->destroy(plugin);
        plugin = nullptr;
    }
}

ClapTestHost::~ClapTestHost() {
    if (plugin != nullptr) {
        plugin->destroy(plugin);
    }
}

ClapTestHost::Block ClapTestHost::process(std::uint32_t frames, const ClapEvents& events) {
    // Garbage where a host leaves its buffers unzeroed, and a guard beyond them.
    const float garbage = std::numeric_limits<float>::quiet_NaN();
    std::vector<float> left(frames + 1, garbage), right(frames + 1, garbage);
    float* channels[] = {left.data(), right.data()};
    clap_audio_buffer_t output{channels, nullptr, 2, 0, 0};
    Output out{this};
    const clap_process_t process{-1, frames, nullptr,       nullptr,  &output,
                                 0,  1,      events.list(), &out.list};
    const clap_process_status status = plugin->process(plugin, &process);
    EXPECT_TRUE(std::isnan(left[frames]) && std::isnan(right[frames]));
    left.pop_back();
    right.pop_back();
    return {left, right, status};
}

void ClapTestHost::flush(const ClapEvents& events) {
    Output out{this};
    const auto* params = extension<clap_plugin_params_t>(CLAP_EXT_PARAMS);
    params->flush(plugin, events.list(), &out.list);
}

} // namespace tarvolin::testing
