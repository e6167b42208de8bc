#include "FuzzHost.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace tarvolin::fuzz {

namespace {

// The saturation never exceeds 2 / sqrt(3) in magnitude; VOLUME scales it.
constexpr float kSaturationPeak = 1.1547006f;

VstIntPtr VSTCALLBACK answer(AEffect*, VstInt32 opcode, VstInt32, VstIntPtr, void*, float) {
    return opcode == audioMasterVersion ? 2400 : 0;
}

// Channel 0's VOLUME as the engine computes with it: the chunk holds the value
// as stored.
float renderedVolume(const host::PluginInstance& plugin) {
    void* record = nullptr;
    if (plugin.dispatch(effGetChunk, 0, 0, &record) < 4 || record == nullptr) {
        std::abort();
    }
    float volume;
    std::memcpy(&volume, record, sizeof volume);
    return volume >= 0.0f ? (volume <= 1.0f ? volume : 1.0f) : 0.0f;
}

} // namespace

namespace {

const host::PluginModule& load(const host::PluginModule& loaded) {
    if (!loaded.isLoaded()) {
        std::fprintf(stderr, "%s\n", loaded.error().c_str());
        std::abort();
    }
    return loaded;
}

} // namespace

const host::PluginModule& module() {
    static const host::PluginModule loaded(TARVOLIN_MODULE_PATH);
    return load(loaded);
}

const host::PluginModule& headlessModule() {
    static const host::PluginModule loaded(TARVOLIN_HEADLESS_MODULE_PATH);
    return load(loaded);
}

audioMasterCallback hostCallback() {
    return &answer;
}

void renderAndCheck(const host::PluginInstance& plugin, int frames) {
    static std::vector<float> left;
    static std::vector<float> right;
    left.assign(static_cast<std::size_t>(frames), 0.0f);
    right.assign(static_cast<std::size_t>(frames), 0.0f);
    const float limit = kSaturationPeak * renderedVolume(plugin) + 1e-6f;
    plugin.processReplacing(left, right);
    for (int i = 0; i < frames; ++i) {
        if (!(std::fabs(left[static_cast<std::size_t>(i)]) <= limit) ||
            left[static_cast<std::size_t>(i)] != right[static_cast<std::size_t>(i)]) {
            std::fprintf(stderr, "sample %d is %g, bound %g\n", i,
                         static_cast<double>(left[static_cast<std::size_t>(i)]),
                         static_cast<double>(limit));
            std::abort();
        }
    }
}

} // namespace tarvolin::fuzz
