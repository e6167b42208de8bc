#pragma once

#include "clap/abi/Stream.h"

namespace tarvolin::clap {

struct clap_plugin_t;

inline constexpr const char* CLAP_EXT_STATE = "clap.state";

struct clap_plugin_state_t {
    bool (*save)(const clap_plugin_t* plugin, const clap_ostream_t* stream);
    bool (*load)(const clap_plugin_t* plugin, const clap_istream_t* stream);
};
static_assert(sizeof(clap_plugin_state_t) == 16);

} // namespace tarvolin::clap
