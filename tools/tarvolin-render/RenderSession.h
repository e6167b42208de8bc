#pragma once

#include "ProgressBar.h"
#include "Score.h"
#include "pluginhost/PluginInstance.h"

#include <cstdint>
#include <functional>
#include <span>

namespace tarvolin::render {

// Receives the rendered audio in order, one stretch at a time.
using AudioSink = std::function<void(std::span<const float> left, std::span<const float> right)>;

struct RenderSettings {
    int blockSize = 512;
    std::int64_t maxTailFrames = 10 * kSampleRate;
    int sampleRate = kSampleRate;
};

// Plays a score through a plug-in instance as a host's offline bounce does:
// resume, block loop with events and automation, then the release tail until it
// falls silent or reaches its bound, then suspend.
class RenderSession {
public:
    RenderSession(const host::PluginInstance& plugin, RenderSettings settings);

    // Answers the number of frames handed to the sink.
    std::int64_t run(const Score& score, const AudioSink& sink, ProgressBar& progress);

private:
    const host::PluginInstance& plugin;
    RenderSettings settings;
};

} // namespace tarvolin::render
