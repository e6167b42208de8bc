#pragma once

#include "clap/abi/Version.h"

namespace tarvolin::clap {

struct clap_plugin_t;
struct clap_host_t;

inline constexpr const char* CLAP_EXT_GUI = "clap.gui";
inline constexpr const char* CLAP_WINDOW_API_WIN32 = "win32";
inline constexpr const char* CLAP_WINDOW_API_X11 = "x11";

struct clap_window_t {
    const char* api;
    // An X11 window id is an unsigned long, 64 bits where X11 runs.
    union {
        void* cocoa;
        std::uint64_t x11;
        void* win32;
        void* ptr;
    };
};
static_assert(sizeof(clap_window_t) == 16);
static_assert(offsetof(clap_window_t, x11) == 8);

struct clap_gui_resize_hints_t {
    bool can_resize_horizontally;
    bool can_resize_vertically;
    bool preserve_aspect_ratio;
    std::uint32_t aspect_ratio_width;
    std::uint32_t aspect_ratio_height;
};
static_assert(sizeof(clap_gui_resize_hints_t) == 12);

struct clap_plugin_gui_t {
    bool (*is_api_supported)(const clap_plugin_t* plugin, const char* api, bool is_floating);
    bool (*get_preferred_api)(const clap_plugin_t* plugin, const char** api, bool* is_floating);
    bool (*create)(const clap_plugin_t* plugin, const char* api, bool is_floating);
    void (*destroy)(const clap_plugin_t* plugin);
    bool (*set_scale)(const clap_plugin_t* plugin, double scale);
    bool (*get_size)(const clap_plugin_t* plugin, std::uint32_t* width, std::uint32_t* height);
    bool (*can_resize)(const clap_plugin_t* plugin);
    bool (*get_resize_hints)(const clap_plugin_t* plugin, clap_gui_resize_hints_t* hints);
    bool (*adjust_size)(const clap_plugin_t* plugin, std::uint32_t* width, std::uint32_t* height);
    bool (*set_size)(const clap_plugin_t* plugin, std::uint32_t width, std::uint32_t height);
    bool (*set_parent)(const clap_plugin_t* plugin, const clap_window_t* window);
    bool (*set_transient)(const clap_plugin_t* plugin, const clap_window_t* window);
    void (*suggest_title)(const clap_plugin_t* plugin, const char* title);
    bool (*show)(const clap_plugin_t* plugin);
    bool (*hide)(const clap_plugin_t* plugin);
};
static_assert(sizeof(clap_plugin_gui_t) == 120);
static_assert(offsetof(clap_plugin_gui_t, set_parent) == 80);
static_assert(offsetof(clap_plugin_gui_t, hide) == 112);

} // namespace tarvolin::clap
