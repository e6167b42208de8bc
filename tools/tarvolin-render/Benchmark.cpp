#include "Benchmark.h"

#include "BenchPattern.h"
#include "BlockSchedule.h"
#include "ChunkFile.h"
#include "HostCallback.h"
#include "InstanceSetup.h"
#include "RenderError.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <optional>
#include <vector>

namespace tarvolin::render {

namespace {

double threadSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

struct Contender {
    std::filesystem::path path;
    // Programs, chunks and --set values are the instrument's: another module
    // plays its own default sound.
    Options setup;
    std::optional<std::vector<unsigned char>> chunk;
    std::vector<double> nanosecondsPerSample;
};

// One fresh instance plays the whole score; answers the time per sample.
double timeOneRun(Contender& contender, const Score& score) {
    const Options& options = contender.setup;
    const host::PluginModule module(contender.path.string());
    if (!module.isLoaded()) {
        throw RenderError(module.error());
    }
    host::PluginInstance plugin(module, hostCallback);
    if (!plugin.isOpen()) {
        throw RenderError(contender.path.string() + " made no instance of its plug-in");
    }
    // A mono module writes the first output only.
    checkRecord(*plugin.record(), contender.path, false);
    prepareInstance(plugin, options, contender.chunk);
    plugin.dispatch(effMainsChanged, 0, 1);

    BlockSchedule schedule(score, options.blockSize);
    std::vector<float> left(static_cast<std::size_t>(options.blockSize));
    std::vector<float> right(left.size());
    double seconds = 0.0;
    std::int64_t frames = 0;
    while (frames < score.lengthSamples) {
        const ProcessCall call = schedule.next();
        const host::EventList events(call.events);
        const auto span = static_cast<std::size_t>(call.frames);
        const double start = threadSeconds();
        if (!call.events.empty()) {
            plugin.sendEvents(events);
        }
        plugin.processReplacing(std::span(left).first(span), std::span(right).first(span));
        seconds += threadSeconds() - start;
        frames += call.frames;
    }
    plugin.dispatch(effMainsChanged, 0, 0);
    return seconds * 1e9 / static_cast<double>(frames);
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : 0.5 * (values[middle - 1] + values[middle]);
}

void report(const Contender& contender) {
    const auto [low, high] = std::minmax_element(contender.nanosecondsPerSample.begin(),
                                                 contender.nanosecondsPerSample.end());
    std::printf("%-40s %8.2f ns per sample (median of %zu runs, %.2f to %.2f)\n",
                contender.path.filename().c_str(), median(contender.nanosecondsPerSample),
                contender.nanosecondsPerSample.size(), *low, *high);
}

} // namespace

void benchmark(const Options& options) {
    const Score score = options.midiFile
                            ? scoreFromSong(readMidiFile(*options.midiFile), options.sampleRate)
                            : benchPattern(options.benchPattern, options.sampleRate);
    setHostSampleRate(options.sampleRate);

    std::vector<Contender> contenders{{options.module, options, std::nullopt, {}}};
    if (options.loadChunk) {
        contenders.front().chunk = readChunkFile(*options.loadChunk);
    }
    if (options.against) {
        Options plain = options;
        plain.program.reset();
        plain.loadChunk.reset();
        plain.settings.clear();
        contenders.push_back({*options.against, plain, std::nullopt, {}});
    }
    // The warm-up run fills the caches and wakes the processor up; then the
    // contenders take turns, so that a slower moment of the machine costs both.
    for (Contender& contender : contenders) {
        timeOneRun(contender, score);
    }
    for (int run = 0; run < options.benchRuns; ++run) {
        for (Contender& contender : contenders) {
            contender.nanosecondsPerSample.push_back(timeOneRun(contender, score));
        }
    }

    std::printf("%s, %d Hz, blocks of %d, %.2f s per run:\n",
                options.midiFile ? options.midiFile->c_str()
                                 : benchPatternName(options.benchPattern),
                options.sampleRate, options.blockSize,
                static_cast<double>(score.lengthSamples) / options.sampleRate);
    for (const Contender& contender : contenders) {
        report(contender);
    }
    if (contenders.size() == 2) {
        std::printf("ratio %s / %s: %.2f\n", contenders[0].path.filename().c_str(),
                    contenders[1].path.filename().c_str(),
                    median(contenders[0].nanosecondsPerSample) /
                        median(contenders[1].nanosecondsPerSample));
    }
}

} // namespace tarvolin::render
