#include "RenderSession.h"

#include "BlockSchedule.h"
#include "SilenceDetector.h"

#include <algorithm>
#include <vector>

namespace tarvolin::render {

namespace {

// Quieter than one step of 16-bit audio, for a tenth of a second.
constexpr float kSilenceThreshold = 1.0f / 32768.0f;
constexpr int kSilentRunsPerSecond = 10;

} // namespace

RenderSession::RenderSession(const host::PluginInstance& plugin, RenderSettings settings)
    : plugin(plugin), settings(settings) {}

std::int64_t RenderSession::run(const Score& score, const AudioSink& sink, ProgressBar& progress) {
    plugin.dispatch(effMainsChanged, 0, 1);

    BlockSchedule schedule(score, settings.blockSize);
    SilenceDetector silence(kSilenceThreshold, settings.sampleRate / kSilentRunsPerSecond);
    std::vector<float> left(static_cast<std::size_t>(settings.blockSize));
    std::vector<float> right(left.size());
    const std::int64_t lastFrame = score.lengthSamples + settings.maxTailFrames;
    std::int64_t rendered = 0;
    bool silent = false;

    while (rendered < lastFrame && !silent) {
        const ProcessCall call = schedule.next();
        for (const ScheduledParameter& change : call.parameters) {
            plugin.setParameter(change.index, change.value);
        }
        if (!call.events.empty()) {
            plugin.sendEvents(call.events);
        }
        const auto frames = static_cast<std::size_t>(call.frames);
        plugin.processReplacing(std::span(left).first(frames), std::span(right).first(frames));

        auto keep =
            static_cast<std::size_t>(std::min<std::int64_t>(call.frames, lastFrame - rendered));
        // Only the tail is searched for silence: rests inside the score are music.
        const auto tailStart = static_cast<std::size_t>(std::clamp<std::int64_t>(
            score.lengthSamples - call.start, 0, static_cast<std::int64_t>(keep)));
        const std::span<const float> tailLeft =
            std::span(left).subspan(tailStart, keep - tailStart);
        const std::span<const float> tailRight =
            std::span(right).subspan(tailStart, keep - tailStart);
        if (const auto quietEnd = silence.feed(tailLeft, tailRight)) {
            keep = tailStart + *quietEnd;
            silent = true;
        }

        sink(std::span(left).first(keep), std::span(right).first(keep));
        rendered += static_cast<std::int64_t>(keep);
        progress.update(rendered);
    }

    plugin.dispatch(effMainsChanged, 0, 0);
    progress.finish(rendered);
    return rendered;
}

} // namespace tarvolin::render
