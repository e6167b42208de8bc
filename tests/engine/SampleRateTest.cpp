// The instrument sounds the same at every sample rate: each property is
// measured at 44100 Hz and at the other common rates and compared.
#include "EngineTestSupport.h"

#include "engine/DenormalGuard.h"
#include "engine/LadderFilter.h"
#include "engine/LowCut.h"
#include "engine/NoiseSource.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace tarvolin {
namespace {

constexpr float kReference = 44100.0f;
constexpr float kOtherRates[] = {48000.0f, 88200.0f, 96000.0f, 192000.0f};

double cents(double hertz, double reference) {
    return 1200.0 * std::log2(hertz / reference);
}

// `measure` at 44100 Hz and at every other rate, which must agree within `close`.
void expectSameAtEveryRate(const std::function<double(float)>& measure,
                           const std::function<void(double, double, float)>& close) {
    const double reference = measure(kReference);
    for (float rate : kOtherRates) {
        close(measure(rate), reference, rate);
    }
}

void withinOnePercent(double value, double reference, float rate) {
    EXPECT_NEAR(value / reference, 1.0, 0.01) << "at " << rate << " Hz";
}

TEST(SampleRate, BothOscillatorsKeepTheirPitchWithinACent) {
    for (int oscillator : {1, 2}) {
        for (int note : {24, 60, 108}) {
            const auto pitch = [&](float rate) {
                auto engine = test::makeEngine(true, rate);
                // Oscillator 2 a fifth up; only the one under test sounds.
                test::setParam(*engine, kTuneOsc2, 0.5f + 7.0f / 48.0f);
                test::setParam(*engine, oscillator == 1 ? kVolumeOsc2 : kVolumeOsc1, 0.0f);
                test::setParam(*engine, kWaveformOsc1, 1.0f / 3.0f); // triangles
                test::setParam(*engine, kWaveformOsc2, 1.0f / 3.0f);
                engine->noteOn(note, 0);
                test::render(*engine, static_cast<int>(rate / 10));
                const float seconds = note < 40 ? 2.5f : 0.5f;
                return test::measureFrequency(
                    test::render(*engine, static_cast<int>(rate * seconds)), rate);
            };
            expectSameAtEveryRate(pitch, [&](double hertz, double reference, float rate) {
                EXPECT_NEAR(cents(hertz, reference), 0.0, 1.0)
                    << "oscillator " << oscillator << ", note " << note << ", " << rate << " Hz";
            });
        }
    }
}

// Seconds from the note on until `done` holds.
double secondsUntil(float rate, const std::function<void(SynthEngine&)>& setUp,
                    const std::function<bool(const SynthEngine&)>& done) {
    auto engine = test::makeEngine(true, rate);
    setUp(*engine);
    int samples = 0;
    while (!done(*engine) && samples < 60 * static_cast<int>(rate)) {
        test::render(*engine, 1);
        ++samples;
    }
    return samples / static_cast<double>(rate);
}

TEST(SampleRate, EnvelopeTimesStayWithinOnePercent) {
    const auto attack = [](float rate) {
        return secondsUntil(
            rate,
            [](SynthEngine& engine) {
                test::setParam(engine, kAttackAmp, 0.5f);
                engine.noteOn(60, 0);
            },
            [](const SynthEngine& engine) {
                return engine.voice(0).ampEnv.stage() == Envelope::kAfterAttack;
            });
    };
    expectSameAtEveryRate(attack, withinOnePercent);

    const auto decayAndRelease = [](float rate) {
        return secondsUntil(
            rate,
            [](SynthEngine& engine) {
                test::setParam(engine, kDecayAmp, 0.6f);
                test::setParam(engine, kSustainAmp, 0.5f);
                test::setParam(engine, kReleaseAmp, 0.7f);
                engine.noteOn(60, 0);
            },
            [](const SynthEngine& engine) {
                const Envelope& envelope = engine.voice(0).ampEnv;
                const bool decayed =
                    envelope.stage() == Envelope::kAfterAttack && envelope.level() <= 0.5f;
                if (decayed && engine.channel(0).gate == 1.0f) {
                    const_cast<SynthEngine&>(engine).noteOff(60, 0);
                }
                return engine.channel(0).gate == 0.0f && envelope.level() <= 0.0f;
            });
    };
    expectSameAtEveryRate(decayAndRelease, withinOnePercent);
}

TEST(SampleRate, LfoPeriodAndGlideTimeStayWithinOnePercent) {
    const auto lfoHertz = [](float rate) {
        auto engine = test::makeEngine(true, rate);
        test::setParam(*engine, kLfo1Rate, 0.6f);
        engine->noteOn(60, 0);
        test::render(*engine, 1);
        return engine->voice(0).lfo1.phaseIncrement() * static_cast<double>(rate) / 4294967296.0;
    };
    expectSameAtEveryRate(lfoHertz, withinOnePercent);

    const auto glide = [](float rate) {
        return secondsUntil(
            rate,
            [](SynthEngine& engine) {
                test::setParam(engine, kPortamento, 0.5f);
                engine.noteOn(60, 0);
                engine.noteOn(72, 0);
            },
            [](const SynthEngine& engine) { return engine.channel(0).glide == 0.0f; });
    };
    expectSameAtEveryRate(glide, withinOnePercent);
}

// The steady gain of a filter for a sine of `hertz` at `rate`, in decibels.
double gainDb(float rate, double hertz, const std::function<float(float)>& filter) {
    const int settle = static_cast<int>(rate / 5);
    const int measured = static_cast<int>(rate / 10);
    double peak = 0.0;
    for (int i = 0; i < settle + measured; ++i) {
        const double phase = 2.0 * 3.14159265358979 * hertz * i / rate;
        const float out = filter(static_cast<float>(0.01 * std::sin(phase)));
        if (i >= settle) {
            peak = std::fmax(peak, std::fabs(out));
        }
    }
    return 20.0 * std::log10(peak / 0.01);
}

TEST(SampleRate, LadderResponseKeepsItsShapeAndItsSingingPitch) {
    DenormalGuard guard;
    // A resonant low-pass with its corner near 2 kHz, its response measured
    // from 50 Hz to 10 kHz (or 0.45 of the rate). Within 24 dB of the peak the
    // response stays within 1 dB. Further down the stage at 44100 Hz falls
    // faster, towards its zero at 22050 Hz, which no stage at a higher rate
    // has: at 10 kHz, some 60 dB down, the difference reaches 6 dB.
    const float cutoff = 0.35f, resonance = 0.6f;
    const double frequencies[] = {50, 200, 500, 1000, 1500, 2000, 2500, 3000, 4000, 6000, 10000};
    for (double hertz : frequencies) {
        const auto gain = [&](float rate) {
            RateCoefficients coefficients;
            coefficients.setRate(rate);
            LadderFilter filter;
            return gainDb(rate, hertz, [&](float x) {
                filter.process(x, cutoff, resonance, LadderFilter::kLowPass, coefficients.ladder());
                return x;
            });
        };
        const double reference = gain(kReference);
        for (float rate : kOtherRates) {
            const double tolerance = reference > -24.0 ? 1.0 : 7.0;
            EXPECT_NEAR(gain(rate), reference, tolerance) << hertz << " Hz at " << rate << " Hz";
        }
    }

    // At full resonance the ladder rings at a pitch of its own.
    for (float low : {0.05f, 0.15f, 0.3f}) {
        const auto ring = [low](float rate) {
            RateCoefficients coefficients;
            coefficients.setRate(rate);
            LadderFilter filter;
            std::vector<float> samples;
            // A burst of 5 ms sets it ringing.
            for (int i = 0; i < static_cast<int>(rate); ++i) {
                float x = i < static_cast<int>(rate / 200) ? 0.5f : 0.0f;
                filter.process(x, low, 1.0f, LadderFilter::kLowPass, coefficients.ladder());
                samples.push_back(x * 1e4f); // crossings do not mind the scale
            }
            samples.erase(samples.begin(), samples.begin() + static_cast<int>(rate / 10));
            return test::measureFrequency(samples, rate);
        };
        expectSameAtEveryRate(ring, [low](double hertz, double reference, float rate) {
            EXPECT_NEAR(cents(hertz, reference), 0.0, 20.0) << "cutoff " << low << " at " << rate;
        });
    }
}

TEST(SampleRate, LowCutKeepsItsCornerAndTheNoiseItsLevel) {
    for (float setting : {0.0f, 0.5f, 0.9f, 1.0f}) {
        for (double hertz : {5.0, 50.0, 500.0, 5000.0}) {
            const auto gain = [&](float rate) {
                const LowCut::Coefficients filter =
                    LowCut::coefficients(setting, kReference / static_cast<double>(rate));
                float input = 0.0f, state = 0.0f;
                return gainDb(rate, hertz,
                              [&](float x) { return LowCut::apply(input, state, x, filter); });
            };
            expectSameAtEveryRate(gain, [&](double value, double reference, float rate) {
                EXPECT_NEAR(value, reference, 0.5)
                    << "LOWCUT " << setting << ", " << hertz << " Hz at " << rate << " Hz";
            });
        }
    }

    const auto noiseLevel = [](float rate) {
        auto engine = test::makeEngine(true, rate);
        test::setParam(*engine, kVolumeOsc1, 0.0f);
        test::setParam(*engine, kVolumeOsc2, 0.0f);
        test::setParam(*engine, kNoiseVolume, 1.0f);
        engine->noteOn(60, 0);
        test::render(*engine, static_cast<int>(rate / 10));
        double sum = 0.0;
        const auto samples = test::render(*engine, static_cast<int>(rate));
        for (float x : samples) {
            sum += static_cast<double>(x) * x;
        }
        return std::sqrt(sum / static_cast<double>(samples.size()));
    };
    expectSameAtEveryRate(noiseLevel, [](double value, double reference, float rate) {
        EXPECT_NEAR(20.0 * std::log10(value / reference), 0.0, 0.5) << rate;
    });
}

TEST(SampleRate, ExtremeSettingsStayFiniteAtTheLowestAndHighestRates) {
    DenormalGuard guard;
    for (float rate : {8000.0f, 192000.0f}) {
        for (float cutoff : {0.0f, 0.003f, 0.1f, 1.0f}) {
            auto engine = test::makeEngine(true, rate);
            for (ParameterIndex index :
                 {kResonance, kFmAmountOsc1, kFmAmountOsc2, kNoiseVolume, kVolumeOsc1, kVolumeOsc2,
                  kLfo1Rate, kLfo2Rate, kModEnvAmount, kPwAmountOsc2, kKeyFollow, kVolume}) {
                test::setParam(*engine, index, 1.0f);
            }
            test::setParam(*engine, kCutoff, cutoff);
            test::setParam(*engine, kLowCut, 0.0f);
            test::setParam(*engine, kWaveformOsc1, 1.0f);
            engine->noteOn(127, 0);
            for (float sample : test::render(*engine, static_cast<int>(rate) * 2)) {
                ASSERT_TRUE(std::fabs(sample) <= 1.1547006f) << rate << " Hz, cutoff " << cutoff;
            }
        }
    }
}

TEST(SampleRate, ChangesTakeEffectAtTheNextBlockAndRefusedRatesChangeNothing) {
    auto engine = test::makeEngine();
    for (float refused : {7999.0f, 192001.0f, NAN, INFINITY, -48000.0f}) {
        engine->setSampleRate(refused);
        engine->beginBlock();
        EXPECT_EQ(engine->sampleRate(), 44100.0f);
    }
    engine->setSampleRate(96000.0f);
    EXPECT_EQ(engine->sampleRate(), 44100.0f);
    engine->beginBlock();
    EXPECT_EQ(engine->sampleRate(), 96000.0f);
    EXPECT_EQ(SynthEngine(1e9f).sampleRate(), 44100.0f);
}

} // namespace
} // namespace tarvolin
