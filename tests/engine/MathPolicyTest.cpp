// The engine's own sine, cosine and power of two must not move the sound: the
// same engine code, evaluated once with them and once with the C library's,
// renders a set of phrases that exercise every path, sample by sample.
#include "EngineTestSupport.h"

#include "engine/DenormalGuard.h"
#include "engine/FastMath.h"
#include "engine/LibraryMath.h"
#include "engine/NoiseSource.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

namespace tarvolin {
namespace {

// The output peaks around 0.5 with VOLUME at 0.5.
constexpr float kTolerance = 1e-4f;
constexpr int kBlock = 64;

struct Phrase {
    std::string name;
    std::vector<std::pair<ParameterIndex, float>> settings;
};

// Both forms of every oscillator pair, then the modulation paths on top of a
// bright pair, each with resonance in every filter type.
std::vector<Phrase> phrases() {
    std::vector<Phrase> all;
    for (int form1 = 0; form1 < 4; ++form1) {
        for (int form2 = 0; form2 < 4; ++form2) {
            all.push_back({"forms " + std::to_string(form1) + "/" + std::to_string(form2),
                           {{kWaveformOsc1, form1 / 3.0f},
                            {kWaveformOsc2, form2 / 3.0f},
                            {kTuneOsc2, 0.5f + 7.0f / 48.0f},
                            {kCutoff, 0.6f},
                            {kResonance, 0.5f},
                            {kFilterType, (form1 + form2) % 3 * 0.5f}}});
        }
    }
    const std::vector<std::pair<ParameterIndex, float>> bright = {{kWaveformOsc1, 2.0f / 3.0f},
                                                                  {kWaveformOsc2, 1.0f},
                                                                  {kFineTuneOsc2, 0.6f},
                                                                  {kCutoff, 0.4f},
                                                                  {kResonance, 0.8f}};
    const auto on = [&](std::string name, std::vector<std::pair<ParameterIndex, float>> more) {
        more.insert(more.begin(), bright.begin(), bright.end());
        all.push_back({std::move(name), std::move(more)});
    };
    on("FM", {{kFmAmountOsc1, 0.6f}, {kFmAmountOsc2, 0.5f}});
    on("PWM",
       {{kPwAmountOsc2, 0.4f}, {kLfo1Rate, 0.5f}, {kLfo1Amount, 0.9f}, {kLfo1Destination, 0.5f}});
    for (float type : {0.0f, 0.5f, 1.0f}) {
        on("filter type " + std::to_string(type), {{kFilterType, type},
                                                   {kResonance, 1.0f},
                                                   {kFilterEnvAmount, 0.5f},
                                                   {kDecayFilter, 0.5f},
                                                   {kKeyFollow, 0.5f}});
    }
    for (float destination : {0.0f, 0.25f, 0.5f, 0.75f, 1.0f}) {
        on("LFO 1 destination " + std::to_string(destination), {{kLfo1Rate, 0.6f},
                                                                {kLfo1Amount, 0.9f},
                                                                {kLfo1Destination, destination},
                                                                {kLfo1Waveform, destination}});
    }
    for (float destination : {0.0f, 0.5f, 1.0f}) {
        on("LFO 2 destination " + std::to_string(destination), {{kLfo2Rate, 0.7f},
                                                                {kLfo2Amount, 0.2f},
                                                                {kLfo2Destination, destination},
                                                                {kLfo2Restart, 1.0f}});
    }
    for (float destination : {0.0f, 0.5f, 1.0f}) {
        on("mod envelope destination " + std::to_string(destination),
           {{kModEnvAmount, 0.8f},
            {kModEnvDestination, destination},
            {kAttackMod, 0.3f},
            {kDecayMod, 0.5f},
            {kModEnvInvert, destination}});
    }
    on("glide", {{kPortamento, 0.6f}, {kMasterPitch, 0.3f}});
    return all;
}

// Legato runs, a release and a fresh note, on the block grid.
void playNotes(SynthEngine& engine, int block) {
    const int notes[] = {45, 52, 57, 64, 40, 69};
    if (block % 60 == 0) {
        engine.noteOn(notes[block / 60 % 6], 0);
    } else if (block % 60 == 20) {
        engine.noteOn(notes[block / 60 % 6] + 12, 0);
    } else if (block % 60 == 45) {
        engine.noteOff(notes[block / 60 % 6] + 12, 0);
    }
}

TEST(MathPolicy, TheEnginesOwnMathRendersWhatTheLibrarysDoes) {
    DenormalGuard guard;
    float largest = 0.0f;
    std::string where;
    for (const Phrase& phrase : phrases()) {
        auto fast = test::makeEngine();
        auto library = test::makeEngine();
        for (const auto& [index, value] : phrase.settings) {
            test::setParam(*fast, index, value);
            test::setParam(*library, index, value);
        }
        float fastBlock[kBlock];
        float libraryBlock[kBlock];
        for (int block = 0; block < 360; ++block) {
            playNotes(*fast, block);
            playNotes(*library, block);
            // Both draw the same noise.
            const std::uint32_t seed = NoiseSource::seed();
            fast->renderWith<FastMath>(fastBlock, kBlock);
            NoiseSource::setSeed(seed);
            library->renderWith<LibraryMath>(libraryBlock, kBlock);
            for (int i = 0; i < kBlock; ++i) {
                const float difference = std::fabs(fastBlock[i] - libraryBlock[i]);
                if (!(difference <= largest)) {
                    largest = difference;
                    where = phrase.name + ", sample " + std::to_string(block * kBlock + i);
                }
            }
        }
    }
    std::printf("largest difference %.3g (%s)\n", static_cast<double>(largest), where.c_str());
    EXPECT_LE(largest, kTolerance) << where;
}

} // namespace
} // namespace tarvolin
