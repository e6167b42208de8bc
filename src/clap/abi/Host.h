#pragma once

#include "clap/abi/Version.h"

namespace tarvolin::clap {

struct clap_host_t {
    clap_version_t clap_version;
    void* host_data;
    const char* name;
    const char* vendor;
    const char* url;
    const char* version;
    const void* (*get_extension)(const clap_host_t* host, const char* extension_id);
    void (*request_restart)(const clap_host_t* host);
    void (*request_process)(const clap_host_t* host);
    void (*request_callback)(const clap_host_t* host);
};
static_assert(sizeof(clap_host_t) == 88);
static_assert(offsetof(clap_host_t, host_data) == 16);
static_assert(offsetof(clap_host_t, get_extension) == 56);
static_assert(offsetof(clap_host_t, request_callback) == 80);

} // namespace tarvolin::clap
