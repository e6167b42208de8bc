#include "Renderer.h"

#include "ChunkFile.h"
#include "DemoTune.h"
#include "EditorPhoto.h"
#include "HostCallback.h"
#include "InstanceSetup.h"
#include "ProgressBar.h"
#include "RenderError.h"
#include "RenderSession.h"
#include "WavWriter.h"

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace tarvolin::render {

namespace {

void checkRecord(const AEffect& effect, const std::filesystem::path& module) {
    const std::string name = module.string();
    if (effect.magic != kEffectMagic) {
        throw RenderError(name + " did not answer with a VST 2 effect record");
    }
    if (effect.processReplacing == nullptr) {
        throw RenderError(name + " cannot render with processReplacing");
    }
    if (effect.numOutputs != 2) {
        throw RenderError(name + " has " + std::to_string(effect.numOutputs) +
                          " outputs; tarvolin-render renders stereo modules only");
    }
}

void renderAudio(const Options& options, const Score& score,
                 const std::optional<std::vector<unsigned char>>& chunk) {
    const host::PluginModule module(options.module.string());
    if (!module.isLoaded()) {
        throw RenderError(module.error());
    }
    host::PluginInstance plugin(module, hostCallback);
    if (!plugin.isOpen()) {
        throw RenderError(options.module.string() + " made no instance of its plug-in");
    }
    checkRecord(*plugin.record(), options.module);
    prepareInstance(plugin, options, chunk);

    WavWriter wav(options.output, options.format, kSampleRate);
    ProgressBar progress(stderr, score.lengthSamples, kSampleRate);
    RenderSession session(plugin, {options.blockSize, secondsToSamples(options.maxTailSeconds)});
    const std::int64_t frames = session.run(
        score, [&wav](auto left, auto right) { wav.write(left, right); }, progress);
    wav.close();

    if (options.saveChunk) {
        saveChunk(plugin, *options.saveChunk);
    }
    plugin.close();
    std::printf("tarvolin-render: wrote %s (%.2f s)\n", options.output.c_str(),
                static_cast<double>(frames) / kSampleRate);
}

} // namespace

void render(const Options& options) {
    std::optional<std::vector<unsigned char>> chunk;
    if (options.loadChunk) {
        chunk = readChunkFile(*options.loadChunk);
    }
    std::optional<Score> score;
    if (options.renderAudio) {
        score = options.midiFile ? scoreFromSong(readMidiFile(*options.midiFile)) : demoScore();
    }
    if (options.editorPicture) {
        photographEditor(options, chunk);
    }
    if (score) {
        renderAudio(options, *score, chunk);
    }
}

} // namespace tarvolin::render
