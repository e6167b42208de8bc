#pragma once

#include "clap/abi/Version.h"

namespace tarvolin::clap {

struct clap_plugin_t;
struct clap_host_t;

// What the host offers beside its record, and the plug-in's halves of the
// same contracts.

inline constexpr const char* CLAP_EXT_THREAD_CHECK = "clap.thread-check";
struct clap_host_thread_check_t {
    bool (*is_main_thread)(const clap_host_t* host);
    bool (*is_audio_thread)(const clap_host_t* host);
};
static_assert(sizeof(clap_host_thread_check_t) == 16);

inline constexpr const char* CLAP_EXT_TAIL = "clap.tail";
struct clap_plugin_tail_t {
    std::uint32_t (*get)(const clap_plugin_t* plugin);
};
static_assert(sizeof(clap_plugin_tail_t) == 8);

inline constexpr const char* CLAP_EXT_TIMER_SUPPORT = "clap.timer-support";
struct clap_plugin_timer_support_t {
    void (*on_timer)(const clap_plugin_t* plugin, clap_id timer_id);
};
struct clap_host_timer_support_t {
    bool (*register_timer)(const clap_host_t* host, std::uint32_t period_ms, clap_id* timer_id);
    bool (*unregister_timer)(const clap_host_t* host, clap_id timer_id);
};
static_assert(sizeof(clap_host_timer_support_t) == 16);

inline constexpr const char* CLAP_EXT_POSIX_FD_SUPPORT = "clap.posix-fd-support";
inline constexpr std::uint32_t CLAP_POSIX_FD_READ = 1u << 0;
inline constexpr std::uint32_t CLAP_POSIX_FD_WRITE = 1u << 1;
inline constexpr std::uint32_t CLAP_POSIX_FD_ERROR = 1u << 2;
struct clap_plugin_posix_fd_support_t {
    void (*on_fd)(const clap_plugin_t* plugin, int fd, std::uint32_t flags);
};
struct clap_host_posix_fd_support_t {
    bool (*register_fd)(const clap_host_t* host, int fd, std::uint32_t flags);
    bool (*modify_fd)(const clap_host_t* host, int fd, std::uint32_t flags);
    bool (*unregister_fd)(const clap_host_t* host, int fd);
};
static_assert(sizeof(clap_host_posix_fd_support_t) == 24);

} // namespace tarvolin::clap
