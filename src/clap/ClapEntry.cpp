#include "clap/ClapPlugin.h"
#include "clap/Descriptor.h"

#include <atomic>
#include <cstring>
#include <new>

#if defined(_WIN32)
#define TARVOLIN_EXPORT
#else
#define TARVOLIN_EXPORT __attribute__((visibility("default")))
#endif

namespace tarvolin::clap {

namespace {

// Hosts may load the module more than once; every init has its deinit.
std::atomic<int> initCount{0};

const clap_plugin_t* createPlugin(const clap_plugin_factory_t* /*factory*/, const clap_host_t* host,
                                  const char* id) {
    if (initCount.load() <= 0 || host == nullptr || id == nullptr ||
        !clap_version_is_compatible(host->clap_version) || std::strcmp(id, kDescriptor.id) != 0) {
        return nullptr;
    }
    try {
        return (new ClapPlugin(host))->record();
    } catch (...) {
        return nullptr;
    }
}

const clap_plugin_factory_t kFactory = {
    [](const clap_plugin_factory_t*) -> std::uint32_t { return 1; },
    [](const clap_plugin_factory_t*, std::uint32_t index) {
        return index == 0 ? &kDescriptor : nullptr;
    },
    createPlugin,
};

bool init(const char* /*path*/) {
    ++initCount;
    return true;
}

void deinit() {
    int count = initCount.load();
    while (count > 0 && !initCount.compare_exchange_weak(count, count - 1)) {
    }
}

const void* getFactory(const char* id) {
    if (initCount.load() <= 0 || id == nullptr || std::strcmp(id, CLAP_PLUGIN_FACTORY_ID) != 0) {
        return nullptr;
    }
    return &kFactory;
}

} // namespace

} // namespace tarvolin::clap

// The one symbol CLAP hosts look up.
extern "C" TARVOLIN_EXPORT const tarvolin::clap::clap_plugin_entry_t clap_entry = {
    tarvolin::clap::CLAP_VERSION, tarvolin::clap::init, tarvolin::clap::deinit,
    tarvolin::clap::getFactory};
