#include "EngineTestSupport.h"

#include "engine/NoiseSource.h"

#include <gtest/gtest.h>

#include <bit>
#include <climits>
#include <cmath>
#include <cstdint>

namespace tarvolin {
namespace {

class SynthEngineTest : public ::testing::Test {
protected:
    const Voice& voice() const { return engine->voice(0); }
    std::unique_ptr<SynthEngine> engine = test::makeEngine();
};

TEST_F(SynthEngineTest, FreshEngineAddsExactZeros) {
    const auto blank = test::makeEngine(false);
    for (int i = 0; i < 1000; ++i) {
        float out = 0.25f;
        blank->renderSample(out);
        engine->renderSample(out);
        ASSERT_EQ(out, 0.25f);
    }
}

TEST_F(SynthEngineTest, OnlyChannelZeroSounds) {
    for (int channel = 1; channel < kNumChannels; ++channel) {
        engine->noteOn(40 + channel, channel);
    }
    engine->noteOn(50, 3); // legato
    for (float sample : test::render(*engine, 2000)) {
        ASSERT_EQ(sample, 0.0f);
    }
    EXPECT_EQ(engine->channel(3).gate, 1.0f);
    EXPECT_EQ(engine->channel(3).note, 50.0f);
    EXPECT_EQ(engine->channel(3).glide, 7.0f);

    engine->noteOn(60, 0);
    int nonZero = 0;
    for (float sample : test::render(*engine, 2000)) {
        nonZero += sample != 0.0f;
    }
    EXPECT_GT(nonZero, 1900);
}

TEST_F(SynthEngineTest, SilentSourcesLeaveTheNoiseOffsetForTheLowCut) {
    test::setParam(*engine, kVolumeOsc1, 0.0f);
    test::setParam(*engine, kVolumeOsc2, 0.0f);
    test::setParam(*engine, kLowCut, 0.0f);
    engine->noteOn(60, 0);
    for (int i = 0; i < 2000; ++i) {
        test::render(*engine, 1);
        // The low cut's last input is the mix after the limit.
        ASSERT_GE(engine->channel(0).lowCutInput, -0.25f);
        ASSERT_LE(engine->channel(0).lowCutInput, -0.24995f);
    }
    EXPECT_LT(std::fabs(engine->channel(0).lowCutState), 1e-4f);
}

TEST_F(SynthEngineTest, LoudMixIsLimitedToExactlyPlusMinus099) {
    for (ParameterIndex index : {kVolumeOsc1, kVolumeOsc2, kNoiseVolume}) {
        test::setParam(*engine, index, 1.0f);
    }
    test::setParam(*engine, kWaveformOsc1, 2.0f / 3.0f);
    test::setParam(*engine, kWaveformOsc2, 2.0f / 3.0f);
    engine->noteOn(45, 0);
    int atTop = 0, atBottom = 0;
    for (int i = 0; i < 4410; ++i) {
        test::render(*engine, 1);
        const float limited = engine->channel(0).lowCutInput;
        ASSERT_LE(std::fabs(limited), 0.99f);
        atTop += std::bit_cast<std::uint32_t>(limited) == 0x3F7D70A4u;
        atBottom += std::bit_cast<std::uint32_t>(-limited) == 0x3F7D70A4u;
    }
    EXPECT_GT(atTop, 0);
    EXPECT_GT(atBottom, 0);
}

TEST_F(SynthEngineTest, SwitchesRoundHalfToEven) {
    const auto renderWithFilterType = [](float type) {
        auto local = test::makeEngine();
        test::setParam(*local, kResonance, 0.5f);
        test::setParam(*local, kCutoff, 0.3f);
        test::setParam(*local, kFilterType, type);
        local->noteOn(60, 0);
        NoiseSource::setSeed(99);
        return test::render(*local, 500);
    };
    EXPECT_EQ(renderWithFilterType(0.25f), renderWithFilterType(0.0f)); // 0.5 -> low-pass
    EXPECT_EQ(renderWithFilterType(0.75f), renderWithFilterType(1.0f)); // 1.5 -> high-pass
    EXPECT_NE(renderWithFilterType(0.25f), renderWithFilterType(0.75f));

    test::setParam(*engine, kWaveformOsc1, 1.0f / 6.0f); // 0.5 -> sine
    engine->noteOn(60, 0);
    test::render(*engine, 10);
    EXPECT_NE(voice().osc1.sine().front().phase(), -OscillatorFront::kHalfRange);
    EXPECT_EQ(voice().osc1.triangle().front().phase(), 0.0f);
    test::setParam(*engine, kWaveformOsc1, 5.0f / 6.0f); // 2.5 -> saw
    test::render(*engine, 10);
    EXPECT_NE(voice().osc1.saw().front().phase(), 0.0f);
    EXPECT_EQ(voice().osc1.rectangle().front().phase(), -OscillatorFront::kHalfRange);
}

TEST_F(SynthEngineTest, NoteOffReleasesOnlyTheLastNoteAndBadArgumentsAreIgnored) {
    engine->noteOn(60, 0);
    engine->noteOff(64, 0);
    EXPECT_EQ(engine->channel(0).gate, 1.0f);
    engine->noteOn(64, 0);
    engine->noteOff(60, 0); // the earlier of two held keys
    EXPECT_EQ(engine->channel(0).gate, 1.0f);
    engine->noteOff(64, 16);
    engine->noteOff(INT_MIN, 0);
    EXPECT_EQ(engine->channel(0).gate, 1.0f);
    engine->noteOff(64, 0);
    EXPECT_EQ(engine->channel(0).gate, 0.0f);

    for (int bad : {-1, 128, INT_MIN, INT_MAX}) {
        engine->noteOn(60, bad == 128 ? 16 : bad);
        engine->noteOn(bad, 1);
    }
    for (int channel = 0; channel < kNumChannels; ++channel) {
        EXPECT_EQ(engine->channel(channel).gate, 0.0f) << channel;
    }
}

TEST_F(SynthEngineTest, NoteOnRestartsTheAmpEnvelopeFromItsLevelAndTheOthersFromZero) {
    for (ParameterIndex index : {kReleaseAmp, kFilterEnvAmount}) {
        test::setParam(*engine, index, 0.5f);
    }
    test::setParam(*engine, kSustainFilter, 1.0f);
    test::setParam(*engine, kReleaseFilter, 0.9f);
    engine->noteOn(60, 0);
    test::render(*engine, 2000);
    engine->noteOff(60, 0);
    test::render(*engine, 500);
    const float released = voice().ampEnv.level();
    ASSERT_GT(released, 0.3f);
    ASSERT_LT(released, 0.9f);
    ASSERT_GT(voice().filterEnv.level(), 0.0f);

    engine->noteOn(62, 0);
    EXPECT_EQ(voice().filterEnv.level(), 0.0f);
    test::render(*engine, 1);
    EXPECT_NEAR(voice().ampEnv.level(), released + Envelope::rateFor(44100.0f), 1e-6f);
}

TEST_F(SynthEngineTest, IdleVoiceResetsItsOscillatorsAndFreezesEverythingElse) {
    test::setParam(*engine, kLfo1Rate, 0.5f);
    test::setParam(*engine, kFilterEnvAmount, 0.5f);
    test::setParam(*engine, kSustainFilter, 1.0f);
    test::setParam(*engine, kReleaseFilter, 0.9f);
    engine->noteOn(60, 0);
    engine->noteOn(72, 0); // leaves a glide: portamento is 0
    test::setParam(*engine, kWaveformOsc1, 1.0f);
    test::render(*engine, 100);
    engine->noteOff(72, 0);
    for (int i = 0; i < 1000 && voice().ampEnv.level() > 0.0f; ++i) {
        test::render(*engine, 1);
    }
    ASSERT_EQ(voice().ampEnv.level(), 0.0f);
    ASSERT_GT(voice().filterEnv.level(), 0.0f);
    const std::uint32_t seed = NoiseSource::seed(), lfoPhase = voice().lfo1.phase();
    const float lowCut = engine->channel(0).lowCutState, stage4 = voice().filter.stage4();

    for (float sample : test::render(*engine, 100)) {
        ASSERT_EQ(sample, 0.0f);
    }
    EXPECT_EQ(voice().filterEnv.level(), 0.0f);
    EXPECT_EQ(engine->channel(0).glide, 0.0f);
    EXPECT_EQ(voice().osc1.sine().front().phase(), 0.0f);
    EXPECT_EQ(voice().osc1.rectangle().front().phase(), 0.0f);
    EXPECT_EQ(voice().osc1.rectangle().front().smoothedIncrement(), 0.0f);
    EXPECT_EQ(voice().osc2.saw().front().phase(), -OscillatorFront::kHalfRange);
    EXPECT_EQ(NoiseSource::seed(), seed);
    EXPECT_EQ(voice().lfo1.phase(), lfoPhase);
    EXPECT_EQ(engine->channel(0).lowCutState, lowCut);
    EXPECT_EQ(voice().filter.stage4(), stage4);
}

// The engine renders a stretch in runs, each part of the voice through a whole
// run before the next; a sample at a time must give the same samples, to the
// bit, held and released, with every modulator and the glide running.
TEST(SynthEngineStretches, RenderAStretchAsSampleBySample) {
    const auto setUp = [](SynthEngine& engine) {
        for (ParameterIndex index : {kLfo1Rate, kLfo2Rate, kModEnvAmount, kPortamento, kResonance,
                                     kFmAmountOsc1, kFmAmountOsc2, kNoiseVolume, kReleaseAmp}) {
            test::setParam(engine, index, 0.6f);
        }
        test::setParam(engine, kWaveformOsc1, 1.0f);
        test::setParam(engine, kWaveformOsc2, 2.0f / 3.0f);
        test::setParam(engine, kCutoff, 0.4f);
    };
    const auto play = [&](bool inStretches) {
        auto engine = test::makeEngine();
        setUp(*engine);
        NoiseSource::setSeed(7);
        std::vector<float> samples(20000);
        const int events[] = {0, 3000, 7001, 13000, 20000};
        for (int e = 0; e + 1 < 5; ++e) {
            // 40, legato into 52, its release, and 76 from silence.
            if (e == 2) {
                engine->noteOff(52, 0);
            } else {
                engine->noteOn(40 + 12 * e, 0);
            }
            float* start = samples.data() + events[e];
            const int length = events[e + 1] - events[e];
            if (inStretches) {
                engine->render(start, length);
            } else {
                for (int i = 0; i < length; ++i) {
                    start[i] = 0.0f;
                    engine->renderSample(start[i]);
                }
            }
        }
        return samples;
    };
    const std::vector<float> stretched = play(true);
    EXPECT_EQ(stretched, play(false));
    EXPECT_NE(stretched[9500], 0.0f);  // in the release
    EXPECT_EQ(stretched[12999], 0.0f); // idle
    EXPECT_NE(stretched.back(), 0.0f);
}

} // namespace
} // namespace tarvolin
