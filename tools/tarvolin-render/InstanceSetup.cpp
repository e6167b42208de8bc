#include "InstanceSetup.h"

#include "ChunkFile.h"
#include "ParameterNames.h"
#include "RenderError.h"
#include "engine/ParameterIndex.h"

#include <string>

namespace tarvolin::render {

namespace {

void selectProgram(const host::PluginInstance& plugin, int program) {
    const int count = plugin.record()->numPrograms;
    if (program >= count) {
        throw RenderError("--program " + std::to_string(program) +
                          " does not exist; the module has " + std::to_string(count) +
                          " programs, numbered from 0");
    }
    plugin.dispatch(effSetProgram, 0, program);
}

ParameterNames parameterNames(const host::PluginInstance& plugin) {
    std::vector<std::string> names;
    for (int i = 0; i < plugin.record()->numParams; ++i) {
        names.push_back(plugin.parameterName(i));
    }
    return ParameterNames(std::move(names));
}

int soundParameter(const ParameterNames& names, const std::string& key) {
    const int index = names.indexOf(key);
    if (index == kChannel) {
        throw RenderError("--set " + key + ": the channel is chosen with --channel");
    }
    if (index == kSaveData) {
        throw RenderError("--set " + key + ": parameter 51 starts the tune export, not a sound");
    }
    return index;
}

// The instrument shows one channel's parameters at a time, chosen by parameter 50.
void applySettings(const host::PluginInstance& plugin,
                   const std::vector<ParameterSetting>& settings, int channel) {
    if (settings.empty()) {
        return;
    }
    const ParameterNames names = parameterNames(plugin);
    std::vector<int> indices;
    for (const ParameterSetting& setting : settings) {
        indices.push_back(soundParameter(names, setting.key));
    }
    // Setup leaves channel 0 current: construction, program loads and chunks all restore it.
    if (channel != 0) {
        selectChannel(plugin, channel);
    }
    for (std::size_t i = 0; i < settings.size(); ++i) {
        plugin.setParameter(indices[i], settings[i].value);
    }
    if (channel != 0) {
        // A switch leaves the selector value behind in the slot of the channel it
        // left; selecting channel 0 once more clears that, so a saved chunk shows
        // only the changes asked for.
        selectChannel(plugin, 0);
        selectChannel(plugin, 0);
    }
}

} // namespace

void checkRecord(const AEffect& effect, const std::filesystem::path& module, bool needsStereo) {
    const std::string name = module.string();
    if (effect.magic != kEffectMagic) {
        throw RenderError(name + " did not answer with a VST 2 effect record");
    }
    if (effect.processReplacing == nullptr) {
        throw RenderError(name + " cannot render with processReplacing");
    }
    if (needsStereo && effect.numOutputs != 2) {
        throw RenderError(name + " has " + std::to_string(effect.numOutputs) +
                          " outputs; tarvolin-render renders stereo modules only");
    }
}

void selectChannel(const host::PluginInstance& plugin, int channel) {
    plugin.setParameter(kChannel, static_cast<float>(channel) / (kNumChannels - 1));
}

void prepareInstance(const host::PluginInstance& plugin, const Options& options,
                     std::optional<std::vector<unsigned char>> chunk) {
    plugin.dispatch(effOpen);
    plugin.dispatch(effSetSampleRate, 0, 0, nullptr, static_cast<float>(options.sampleRate));
    plugin.dispatch(effSetBlockSize, 0, options.blockSize);
    if (options.program) {
        selectProgram(plugin, *options.program);
    }
    if (chunk) {
        loadChunk(plugin, *chunk, *options.loadChunk);
    }
    applySettings(plugin, options.settings, options.channel);
}

} // namespace tarvolin::render
