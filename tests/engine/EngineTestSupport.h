#pragma once

#include "engine/LibraryMath.h"
#include "engine/OscillatorPair.h"
#include "engine/SynthEngine.h"

#include <memory>
#include <vector>

namespace tarvolin::test {

inline void setParam(SynthEngine& engine, ParameterIndex index, float value, int channel = 0) {
    engine.setParameter(channel, index, value);
}

// An engine (at 44100 Hz unless asked) with the instrument's default sound on
// every channel: both oscillators at half volume in the sine form, filter
// open, no decay.
inline std::unique_ptr<SynthEngine> makeEngine(bool withDefaultPatch = true,
                                               float sampleRate = 44100.0f) {
    auto engine = std::make_unique<SynthEngine>(sampleRate);
    for (int channel = 0; withDefaultPatch && channel < kNumChannels; ++channel) {
        for (ParameterIndex i : {kVolume, kMasterPitch, kVolumeOsc1, kVolumeOsc2, kTuneOsc2,
                                 kFineTuneOsc2, kLfo1Amount, kLfo2Amount}) {
            setParam(*engine, i, 0.5f, channel);
        }
        for (ParameterIndex i : {kCutoff, kDecayAmp, kLowCut}) {
            setParam(*engine, i, 1.0f, channel);
        }
    }
    return engine;
}

// One value of an oscillator's form `form`, driven by `drive`, as the engine
// renders it beside a silent second oscillator, with the C library's math.
inline float renderOscillator(Oscillator& oscillator, long form, const PhaseDrive& drive,
                              float pulseWidth = 0.0f) {
    OscillatorDrives drives{};
    OscillatorDrives modulator{};
    drives.frequencies[0] = drive.frequency;
    drives.steps[0] = drive.step;
    drives.fmAmounts[0] = drive.fmAmount;
    drives.pulseWidths[0] = pulseWidth;
    modulator.steps[0] = drive.modStep;
    Oscillator silent;
    struct Keep {
        float* value;
        void operator()(int, float sum) { *value = sum; }
        void finish() {}
    };
    float value = 0.0f;
    renderOscillatorPair<LibraryMath>(
        {oscillator, form, 1.0f, drives, modulator, drive.smoothing, 0},
        {silent, form, 0.0f, modulator, drives, drive.smoothing, 0}, 1, Keep{&value});
    return value;
}

inline std::vector<float> render(SynthEngine& engine, int count) {
    std::vector<float> samples(static_cast<std::size_t>(count));
    for (float& sample : samples) {
        engine.renderSample(sample);
    }
    return samples;
}

// Hertz from the rising zero crossings (interpolated within the sample)
// between the first and the last one; a crossing counts only after the signal
// has been below -0.05, so ripples around zero are ignored.
inline double measureFrequency(const std::vector<float>& samples, double sampleRate = 44100.0) {
    double first = 0.0, last = 0.0;
    int crossings = 0;
    bool armed = false;
    for (std::size_t i = 1; i < samples.size(); ++i) {
        armed = armed || samples[i] < -0.05f;
        if (armed && samples[i - 1] < 0.0f && samples[i] >= 0.0f) {
            last = static_cast<double>(i - 1) + samples[i - 1] / (samples[i - 1] - samples[i]);
            first = crossings++ == 0 ? last : first;
            armed = false;
        }
    }
    return crossings < 2 ? 0.0 : (crossings - 1) * sampleRate / (last - first);
}

} // namespace tarvolin::test
