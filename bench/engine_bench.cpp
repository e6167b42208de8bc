// Cost of one rendered sample of the engine for the patches that exercise its
// different paths. Each iteration renders a block of 1024 samples in one
// stretch, as the instrument does between events, inside a DenormalGuard as
// the instrument has; the "per_sample" counter is the time per sample. For the
// instrument beside a peer, run tarvolin-render --bench.
#include "engine/DenormalGuard.h"
#include "engine/LadderFilter.h"
#include "engine/SynthEngine.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <utility>

namespace {

using namespace tarvolin;

constexpr int kBlock = 1024;

void setParam(SynthEngine& engine, ParameterIndex index, float value) {
    engine.setParameter(0, index, value);
}

std::unique_ptr<SynthEngine> defaultPatch() {
    auto engine = std::make_unique<SynthEngine>(44100.0f);
    for (ParameterIndex index : {kVolume, kMasterPitch, kVolumeOsc1, kVolumeOsc2, kTuneOsc2,
                                 kFineTuneOsc2, kLfo1Amount, kLfo2Amount}) {
        setParam(*engine, index, 0.5f);
    }
    for (ParameterIndex index : {kCutoff, kDecayAmp, kLowCut}) {
        setParam(*engine, index, 1.0f);
    }
    return engine;
}

void renderBlocks(benchmark::State& state, SynthEngine& engine) {
    float block[kBlock];
    for (auto _ : state) {
        DenormalGuard guard;
        engine.render(block, kBlock);
        benchmark::DoNotOptimize(block);
    }
    state.counters["per_sample"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * kBlock,
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void BM_DefaultPatch(benchmark::State& state) {
    auto engine = defaultPatch();
    engine->noteOn(60, 0);
    renderBlocks(state, *engine);
}
BENCHMARK(BM_DefaultPatch);

// Argument: the form of both oscillators, 0 sine to 3 rectangle.
void BM_WaveformPair(benchmark::State& state) {
    auto engine = defaultPatch();
    const float form = static_cast<float>(state.range(0)) / 3.0f;
    setParam(*engine, kWaveformOsc1, form);
    setParam(*engine, kWaveformOsc2, form);
    engine->noteOn(60, 0);
    renderBlocks(state, *engine);
}
BENCHMARK(BM_WaveformPair)->DenseRange(0, 3);

void BM_FullModulation(benchmark::State& state) {
    auto engine = defaultPatch();
    for (ParameterIndex index :
         {kLfo1Rate, kLfo2Rate, kModEnvAmount, kPortamento, kLfo1Amount, kLfo2Amount, kDecayMod}) {
        setParam(*engine, index, 0.8f);
    }
    setParam(*engine, kLfo1Destination, 0.25f);
    setParam(*engine, kLfo2Destination, 1.0f);
    setParam(*engine, kWaveformOsc2, 1.0f);
    engine->noteOn(48, 0);
    engine->noteOn(60, 0); // legato: the glide runs too
    renderBlocks(state, *engine);
}
BENCHMARK(BM_FullModulation);

// Every costly path at once: both rectangles with FM and pulse width, both
// LFOs (one on both pitches, one on the cutoff), the mod envelope on the
// pulse widths, resonance and a glide. The same settings as the heaviest
// patch the README compares with a peer.
void BM_HeaviestPatch(benchmark::State& state) {
    auto engine = defaultPatch();
    const std::pair<ParameterIndex, float> settings[] = {
        {kWaveformOsc1, 1.0f},   {kWaveformOsc2, 1.0f},    {kFmAmountOsc1, 0.6f},
        {kFmAmountOsc2, 0.6f},   {kPwAmountOsc2, 0.3f},    {kCutoff, 0.4f},
        {kResonance, 0.7f},      {kLfo1Rate, 0.5f},        {kLfo1Amount, 0.7f},
        {kLfo1Destination, 0.75f}, {kLfo2Rate, 0.5f},      {kLfo2Amount, 0.8f},
        {kLfo2Destination, 1.0f}, {kModEnvAmount, 0.6f},   {kModEnvDestination, 1.0f},
        {kAttackMod, 0.3f},      {kDecayMod, 0.5f},        {kPortamento, 0.5f}};
    for (const auto& [index, value] : settings) {
        setParam(*engine, index, value);
    }
    engine->noteOn(48, 0);
    engine->noteOn(60, 0); // legato: the glide runs too
    renderBlocks(state, *engine);
}
BENCHMARK(BM_HeaviestPatch);

void BM_HighResonance(benchmark::State& state) {
    auto engine = defaultPatch();
    setParam(*engine, kCutoff, 0.3f);
    setParam(*engine, kResonance, 1.0f);
    setParam(*engine, kWaveformOsc1, 2.0f / 3.0f);
    engine->noteOn(40, 0);
    renderBlocks(state, *engine);
}
BENCHMARK(BM_HighResonance);

void BM_IdleVoice(benchmark::State& state) {
    auto engine = defaultPatch();
    renderBlocks(state, *engine);
}
BENCHMARK(BM_IdleVoice);

// A release that never quite ends, with the filter closed almost shut.
void BM_ReleaseTail(benchmark::State& state) {
    auto engine = defaultPatch();
    setParam(*engine, kReleaseAmp, 0.999f);
    setParam(*engine, kCutoff, 0.02f);
    engine->noteOn(60, 0);
    for (int i = 0; i < 4410; ++i) {
        float out = 0.0f;
        engine->renderSample(out);
    }
    engine->noteOff(60, 0);
    renderBlocks(state, *engine);
}
BENCHMARK(BM_ReleaseTail);

// The ladder ringing out after an impulse with its cutoff almost shut, caught
// when its state has sunk into the subnormal range: argument 1 under a
// DenormalGuard, 0 without. Every block starts from that same state.
void BM_LadderDecay(benchmark::State& state) {
    const bool guarded = state.range(0) != 0;
    constexpr float kCutoff = 0.02f; // pole at 0.9994: a slow decay
    LadderFilter decayed;
    float impulse = 1.0f;
    decayed.process(impulse, kCutoff, 0.3f, 0);
    while (std::fabs(decayed.stage1()) >= 1e-39f || std::fabs(decayed.stage4()) >= 1e-39f) {
        float silence = 0.0f;
        decayed.process(silence, kCutoff, 0.3f, 0);
    }
    const auto renderBlock = [](LadderFilter& filter) {
        for (int i = 0; i < kBlock; ++i) {
            float silence = 0.0f;
            filter.process(silence, kCutoff, 0.3f, 0);
            benchmark::DoNotOptimize(silence);
        }
    };
    for (auto _ : state) {
        LadderFilter filter = decayed;
        if (guarded) {
            DenormalGuard guard;
            renderBlock(filter);
        } else {
            renderBlock(filter);
        }
    }
    state.counters["per_sample"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * kBlock,
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_LadderDecay)->Arg(0)->Arg(1);

} // namespace

BENCHMARK_MAIN();
