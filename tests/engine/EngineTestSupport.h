#pragma once

#include "engine/SynthEngine.h"

#include <cstddef>
#include <memory>
#include <vector>

namespace tarvolin::test {

inline constexpr float kRate = 44100.0f;

inline std::unique_ptr<SynthEngine> makeEngine() {
    return std::make_unique<SynthEngine>(kRate);
}

inline void setParam(SynthEngine& engine, ParameterIndex index, float value, int channel = 0) {
    engine.channel(channel).params[index].store(value);
}

// The instrument's default sound: both oscillators at half volume in the sine
// form, filter open, no decay, LFO amounts centred.
inline void setDefaultPatch(SynthEngine& engine, int channel = 0) {
    for (int i = 0; i < kNumParameters; ++i) {
        setParam(engine, static_cast<ParameterIndex>(i), 0.0f, channel);
    }
    for (ParameterIndex i : {kVolume, kMasterPitch, kVolumeOsc1, kVolumeOsc2, kTuneOsc2,
                             kFineTuneOsc2, kLfo1Amount, kLfo2Amount}) {
        setParam(engine, i, 0.5f, channel);
    }
    for (ParameterIndex i : {kCutoff, kDecayAmp, kLowCut}) {
        setParam(engine, i, 1.0f, channel);
    }
}

inline std::vector<float> render(SynthEngine& engine, std::size_t count) {
    std::vector<float> samples(count);
    for (float& sample : samples) {
        engine.renderSample(sample);
    }
    return samples;
}

// Frequency from the rising zero crossings, interpolated to a fraction of a
// sample, between the first and the last crossing. The hysteresis ignores
// ripples around zero that are smaller than `hysteresis`.
inline double measureFrequency(const std::vector<float>& samples, float hysteresis = 0.05f) {
    double first = -1.0;
    double last = -1.0;
    int crossings = 0;
    bool armed = false;
    for (std::size_t i = 1; i < samples.size(); ++i) {
        if (samples[i] < -hysteresis) {
            armed = true;
        }
        if (armed && samples[i - 1] < 0.0f && samples[i] >= 0.0f) {
            const double at = static_cast<double>(i - 1) +
                              samples[i - 1] / static_cast<double>(samples[i - 1] - samples[i]);
            if (crossings == 0) {
                first = at;
            }
            last = at;
            ++crossings;
            armed = false;
        }
    }
    return crossings < 2 ? 0.0 : (crossings - 1) * static_cast<double>(kRate) / (last - first);
}

} // namespace tarvolin::test
