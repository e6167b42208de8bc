#pragma once

#include "clap/abi/Version.h"

namespace tarvolin::clap {

struct clap_host_t;
struct clap_plugin_t;

struct clap_plugin_entry_t {
    clap_version_t clap_version;
    bool (*init)(const char* plugin_path);
    void (*deinit)();
    const void* (*get_factory)(const char* factory_id);
};
static_assert(sizeof(clap_plugin_entry_t) == 40);
static_assert(offsetof(clap_plugin_entry_t, init) == 16);
static_assert(offsetof(clap_plugin_entry_t, get_factory) == 32);

inline constexpr const char* CLAP_PLUGIN_FACTORY_ID = "clap.plugin-factory";

struct clap_plugin_descriptor_t {
    clap_version_t clap_version;
    const char* id;
    const char* name;
    const char* vendor;
    const char* url;
    const char* manual_url;
    const char* support_url;
    const char* version;
    const char* description;
    const char* const* features;
};
static_assert(sizeof(clap_plugin_descriptor_t) == 88);
static_assert(offsetof(clap_plugin_descriptor_t, id) == 16);
static_assert(offsetof(clap_plugin_descriptor_t, version) == 64);
static_assert(offsetof(clap_plugin_descriptor_t, features) == 80);

struct clap_plugin_factory_t {
    std::uint32_t (*get_plugin_count)(const clap_plugin_factory_t* factory);
    const clap_plugin_descriptor_t* (*get_plugin_descriptor)(const clap_plugin_factory_t* factory,
                                                             std::uint32_t index);
    const clap_plugin_t* (*create_plugin)(const clap_plugin_factory_t* factory,
                                          const clap_host_t* host, const char* plugin_id);
};
static_assert(sizeof(clap_plugin_factory_t) == 24);

} // namespace tarvolin::clap
