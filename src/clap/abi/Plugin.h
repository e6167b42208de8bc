#pragma once

#include "clap/abi/Entry.h"

namespace tarvolin::clap {

struct clap_process_t;

using clap_process_status = std::int32_t;
inline constexpr clap_process_status CLAP_PROCESS_ERROR = 0;
inline constexpr clap_process_status CLAP_PROCESS_CONTINUE = 1;
inline constexpr clap_process_status CLAP_PROCESS_CONTINUE_IF_NOT_QUIET = 2;
inline constexpr clap_process_status CLAP_PROCESS_TAIL = 3;
inline constexpr clap_process_status CLAP_PROCESS_SLEEP = 4;

struct clap_plugin_t {
    const clap_plugin_descriptor_t* desc;
    void* plugin_data;
    bool (*init)(const clap_plugin_t* plugin);
    void (*destroy)(const clap_plugin_t* plugin);
    bool (*activate)(const clap_plugin_t* plugin, double sample_rate,
                     std::uint32_t min_frames_count, std::uint32_t max_frames_count);
    void (*deactivate)(const clap_plugin_t* plugin);
    bool (*start_processing)(const clap_plugin_t* plugin);
    void (*stop_processing)(const clap_plugin_t* plugin);
    void (*reset)(const clap_plugin_t* plugin);
    clap_process_status (*process)(const clap_plugin_t* plugin, const clap_process_t* process);
    const void* (*get_extension)(const clap_plugin_t* plugin, const char* id);
    void (*on_main_thread)(const clap_plugin_t* plugin);
};
static_assert(sizeof(clap_plugin_t) == 96);
static_assert(offsetof(clap_plugin_t, init) == 16);
static_assert(offsetof(clap_plugin_t, activate) == 32);
static_assert(offsetof(clap_plugin_t, reset) == 64);
static_assert(offsetof(clap_plugin_t, process) == 72);
static_assert(offsetof(clap_plugin_t, on_main_thread) == 88);

} // namespace tarvolin::clap
