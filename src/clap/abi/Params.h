#pragma once

#include "clap/abi/Events.h"

namespace tarvolin::clap {

struct clap_plugin_t;
struct clap_host_t;

inline constexpr const char* CLAP_EXT_PARAMS = "clap.params";

inline constexpr std::uint32_t CLAP_PARAM_IS_STEPPED = 1u << 0;
inline constexpr std::uint32_t CLAP_PARAM_IS_AUTOMATABLE = 1u << 5;
inline constexpr std::uint32_t CLAP_PARAM_REQUIRES_PROCESS = 1u << 15;

struct clap_param_info_t {
    clap_id id;
    std::uint32_t flags;
    void* cookie;
    char name[CLAP_NAME_SIZE];
    char module[CLAP_PATH_SIZE];
    double min_value;
    double max_value;
    double default_value;
};
static_assert(sizeof(clap_param_info_t) == 1320);
static_assert(offsetof(clap_param_info_t, cookie) == 8);
static_assert(offsetof(clap_param_info_t, name) == 16);
static_assert(offsetof(clap_param_info_t, module) == 272);
static_assert(offsetof(clap_param_info_t, min_value) == 1296);
static_assert(offsetof(clap_param_info_t, default_value) == 1312);

struct clap_plugin_params_t {
    std::uint32_t (*count)(const clap_plugin_t* plugin);
    bool (*get_info)(const clap_plugin_t* plugin, std::uint32_t param_index,
                     clap_param_info_t* param_info);
    bool (*get_value)(const clap_plugin_t* plugin, clap_id param_id, double* out_value);
    bool (*value_to_text)(const clap_plugin_t* plugin, clap_id param_id, double value,
                          char* out_buffer, std::uint32_t out_buffer_capacity);
    bool (*text_to_value)(const clap_plugin_t* plugin, clap_id param_id,
                          const char* param_value_text, double* out_value);
    void (*flush)(const clap_plugin_t* plugin, const clap_input_events_t* in,
                  const clap_output_events_t* out);
};
static_assert(sizeof(clap_plugin_params_t) == 48);

inline constexpr std::uint32_t CLAP_PARAM_RESCAN_VALUES = 1u << 0;
inline constexpr std::uint32_t CLAP_PARAM_RESCAN_TEXT = 1u << 1;

struct clap_host_params_t {
    void (*rescan)(const clap_host_t* host, std::uint32_t flags);
    void (*clear)(const clap_host_t* host, clap_id param_id, std::uint32_t flags);
    void (*request_flush)(const clap_host_t* host);
};
static_assert(sizeof(clap_host_params_t) == 24);

} // namespace tarvolin::clap
