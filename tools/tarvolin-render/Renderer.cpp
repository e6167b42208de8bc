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

#include <cmath>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace tarvolin::render {

namespace {

void renderAudio(const Options& options, const Score& score,
                 const std::optional<std::vector<unsigned char>>& chunk) {
    const int rate = options.sampleRate;
    const host::PluginModule module(options.module.string());
    if (!module.isLoaded()) {
        throw RenderError(module.error());
    }
    setHostSampleRate(rate);
    host::PluginInstance plugin(module, hostCallback);
    if (!plugin.isOpen()) {
        throw RenderError(options.module.string() + " made no instance of its plug-in");
    }
    checkRecord(*plugin.record(), options.module, true);
    prepareInstance(plugin, options, chunk);

    WavWriter wav(options.output, options.format, rate);
    ProgressBar progress(stderr, score.lengthSamples, rate);
    RenderSession session(
        plugin, {options.blockSize, secondsToSamples(options.maxTailSeconds, rate), rate});
    const std::int64_t frames = session.run(
        score, [&wav](auto left, auto right) { wav.write(left, right); }, progress);
    wav.close();

    if (options.saveChunk) {
        saveChunk(plugin, *options.saveChunk);
    }
    plugin.close();
    // The peak tells at a glance whether the module played at all.
    const float peak = wav.peak();
    const std::string level =
        peak > 0.0f ? std::to_string(std::lround(20.0 * std::log10(peak))) + " dBFS" : "silent";
    std::printf("tarvolin-render: wrote %s (%.2f s, peak %s)\n", options.output.c_str(),
                static_cast<double>(frames) / rate, level.c_str());
}

} // namespace

void render(const Options& options) {
    std::optional<std::vector<unsigned char>> chunk;
    if (options.loadChunk) {
        chunk = readChunkFile(*options.loadChunk);
    }
    std::optional<Score> score;
    if (options.renderAudio) {
        const int rate = options.sampleRate;
        score = options.midiFile ? scoreFromSong(readMidiFile(*options.midiFile), rate)
                                 : demoScore(rate);
    }
    if (options.editorPicture) {
        photographEditor(options, chunk);
    }
    if (score) {
        renderAudio(options, *score, chunk);
    }
}

} // namespace tarvolin::render
