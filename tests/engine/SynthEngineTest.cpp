#include "EngineTestSupport.h"

#include "engine/NoiseSource.h"

#include <gtest/gtest.h>

#include <bit>
#include <climits>
#include <cstdint>

namespace tarvolin {
namespace {

class SynthEngineTest : public ::testing::Test {
protected:
    void SetUp() override {
        engine = test::makeEngine();
        for (int channel = 0; channel < kNumChannels; ++channel) {
            test::setDefaultPatch(*engine, channel);
        }
    }
    const Voice& voice() const { return engine->voice(0); }

    std::unique_ptr<SynthEngine> engine;
};

TEST_F(SynthEngineTest, FreshEngineAddsExactZeros) {
    const auto fresh = test::makeEngine();
    for (int i = 0; i < 1000; ++i) {
        float out = 0.25f;
        fresh->renderSample(out);
        engine->renderSample(out);
        ASSERT_EQ(out, 0.25f);
    }
    EXPECT_EQ(fresh->channel(7).params[kCutoff].load(), 0.0f);
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
    EXPECT_EQ(engine->channel(15).note, 55.0f);
    EXPECT_EQ(engine->channel(0).gate, 0.0f);

    engine->noteOn(60, 0);
    int nonZero = 0;
    for (float sample : test::render(*engine, 2000)) {
        nonZero += sample != 0.0f;
    }
    EXPECT_GT(nonZero, 1900);
}

TEST_F(SynthEngineTest, VolumeZeroSilencesARunningVoice) {
    test::setParam(*engine, kVolume, 0.0f);
    engine->noteOn(60, 0);
    for (float sample : test::render(*engine, 2000)) {
        ASSERT_EQ(sample, 0.0f);
    }
    EXPECT_GT(voice().ampEnv.level(), 0.9f);
}

TEST_F(SynthEngineTest, SilentSourcesLeaveTheNoiseOffsetForTheLowCut) {
    test::setParam(*engine, kVolumeOsc1, 0.0f);
    test::setParam(*engine, kVolumeOsc2, 0.0f);
    test::setParam(*engine, kLowCut, 0.0f);
    engine->noteOn(60, 0);
    for (int i = 0; i < 2000; ++i) {
        float out = 0.0f;
        engine->renderSample(out);
        // The low cut's input is the mix after the limit.
        ASSERT_GE(engine->channel(0).lowCutInput, -0.25f);
        ASSERT_LE(engine->channel(0).lowCutInput, -0.24995f);
    }
    EXPECT_LT(std::abs(engine->channel(0).lowCutOutput), 1e-4f);
}

TEST_F(SynthEngineTest, LoudMixIsLimitedToExactlyPlusMinus099) {
    for (ParameterIndex loud : {kVolumeOsc1, kVolumeOsc2, kNoiseVolume}) {
        test::setParam(*engine, loud, 1.0f);
    }
    test::setParam(*engine, kWaveformOsc1, 2.0f / 3.0f);
    test::setParam(*engine, kWaveformOsc2, 2.0f / 3.0f);
    engine->noteOn(45, 0);
    int atTop = 0, atBottom = 0;
    for (int i = 0; i < 4410; ++i) {
        float out = 0.0f;
        engine->renderSample(out);
        const float limited = engine->channel(0).lowCutInput;
        ASSERT_LE(std::abs(limited), 0.99f);
        atTop += std::bit_cast<std::uint32_t>(limited) == 0x3F7D70A4u;
        atBottom += std::bit_cast<std::uint32_t>(-limited) == 0x3F7D70A4u;
    }
    EXPECT_GT(atTop, 0);
    EXPECT_GT(atBottom, 0);
}

TEST_F(SynthEngineTest, KeyFollowOpensTheCutoffUpToTheLimit) {
    test::setParam(*engine, kCutoff, 0.0f);
    test::setParam(*engine, kKeyFollow, 1.0f);
    engine->noteOn(127, 0);
    test::render(*engine, 1);
    EXPECT_NEAR(voice().filter.k(), 0.99f, 1e-6f);
    test::setParam(*engine, kCutoff, 0.5f);
    test::render(*engine, 1);
    EXPECT_EQ(voice().filter.k(), 0.99f);
}

TEST_F(SynthEngineTest, FilterTypeSwitchRoundsHalfToEven) {
    const auto renderWithType = [](float type) {
        auto local = test::makeEngine();
        test::setDefaultPatch(*local);
        test::setParam(*local, kResonance, 0.5f);
        test::setParam(*local, kCutoff, 0.3f);
        test::setParam(*local, kFilterType, type);
        local->noteOn(60, 0);
        NoiseSource::setSeed(99);
        return test::render(*local, 500);
    };
    EXPECT_EQ(renderWithType(0.25f), renderWithType(0.0f)); // 0.5 -> low-pass
    EXPECT_EQ(renderWithType(0.75f), renderWithType(1.0f)); // 1.5 -> high-pass
    EXPECT_NE(renderWithType(0.25f), renderWithType(0.75f));
}

TEST_F(SynthEngineTest, WaveformSwitchRoundsHalfToEven) {
    test::setParam(*engine, kVolumeOsc2, 0.0f);
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

TEST_F(SynthEngineTest, NoteOffReleasesOnlyTheLastNote) {
    engine->noteOn(60, 0);
    engine->noteOff(64, 0);
    EXPECT_EQ(engine->channel(0).gate, 1.0f);
    engine->noteOn(64, 0);
    engine->noteOff(60, 0); // the first key of two: still sounding
    EXPECT_EQ(engine->channel(0).gate, 1.0f);
    engine->noteOff(64, 0);
    EXPECT_EQ(engine->channel(0).gate, 0.0f);
}

TEST_F(SynthEngineTest, OutOfRangeNotesAndChannelsAreIgnored) {
    for (int channel : {-1, 16, INT_MIN, INT_MAX}) {
        engine->noteOn(60, channel);
    }
    for (int note : {-1, 128, INT_MIN, INT_MAX}) {
        engine->noteOn(note, 0);
        engine->noteOff(note, 0);
    }
    for (int channel = 0; channel < kNumChannels; ++channel) {
        EXPECT_EQ(engine->channel(channel).gate, 0.0f);
    }
    engine->noteOn(0, 0);
    engine->noteOff(0, 16);
    EXPECT_EQ(engine->channel(0).gate, 1.0f);
}

TEST_F(SynthEngineTest, NoteOnRestartsEnvelopesFromTheHeldAmpLevel) {
    test::setParam(*engine, kReleaseAmp, 0.5f);
    test::setParam(*engine, kFilterEnvAmount, 0.5f);
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
    EXPECT_NEAR(voice().ampEnv.level(), released + voice().ampEnv.rate(), 1e-6f);
    EXPECT_EQ(engine->channel(0).glide, 0.0f);
}

TEST_F(SynthEngineTest, IdleVoiceResetsItsOscillatorsAndFreezesEverythingElse) {
    test::setParam(*engine, kLfo1Rate, 0.5f);
    test::setParam(*engine, kFilterEnvAmount, 0.5f);
    test::setParam(*engine, kSustainFilter, 1.0f);
    test::setParam(*engine, kReleaseFilter, 0.9f);
    engine->noteOn(60, 0);
    engine->noteOn(72, 0); // leaves a glide, portamento is 0
    for (ParameterIndex form : {kWaveformOsc1, kWaveformOsc2}) {
        for (float value : {0.0f, 1.0f / 3.0f, 2.0f / 3.0f, 1.0f}) {
            test::setParam(*engine, form, value);
            test::render(*engine, 100);
        }
    }
    engine->noteOff(72, 0);
    int releaseSamples = 0;
    while (voice().ampEnv.level() > 0.0f && releaseSamples < 1000) {
        test::render(*engine, 1);
        ++releaseSamples;
    }
    ASSERT_LT(releaseSamples, 1000);
    EXPECT_GT(voice().filterEnv.level(), 0.0f);
    const std::uint32_t seed = NoiseSource::seed();
    const std::uint32_t lfoPhase = voice().lfo1.phase();
    const float lowCut = engine->channel(0).lowCutState;
    const float stage4 = voice().filter.stage4();

    for (float sample : test::render(*engine, 100)) {
        EXPECT_EQ(sample, 0.0f);
    }
    EXPECT_EQ(voice().filterEnv.level(), 0.0f);
    EXPECT_EQ(engine->channel(0).glide, 0.0f);
    for (const Oscillator* oscillator : {&voice().osc1, &voice().osc2}) {
        EXPECT_EQ(oscillator->sine().front().phase(), 0.0f);
        EXPECT_EQ(oscillator->triangle().front().phase(), -OscillatorFront::kHalfRange);
        EXPECT_EQ(oscillator->saw().front().phase(), -OscillatorFront::kHalfRange);
        EXPECT_EQ(oscillator->rectangle().front().phase(), 0.0f);
        EXPECT_EQ(oscillator->saw().front().smoothedIncrement(), 0.0f);
    }
    EXPECT_EQ(NoiseSource::seed(), seed);
    EXPECT_EQ(voice().lfo1.phase(), lfoPhase);
    EXPECT_EQ(engine->channel(0).lowCutState, lowCut);
    EXPECT_EQ(voice().filter.stage4(), stage4);
}

TEST_F(SynthEngineTest, SilentPartsDoNotAdvanceAndNoiseDrawsOncePerSample) {
    test::setParam(*engine, kVolumeOsc2, 0.0f);
    engine->noteOn(60, 0);
    const std::uint32_t before = NoiseSource::seed();
    test::render(*engine, 50);
    const std::uint32_t after = NoiseSource::seed();
    EXPECT_EQ(voice().osc2.sine().front().phase(), -OscillatorFront::kHalfRange);
    EXPECT_EQ(voice().modEnv.level(), 0.0f);

    NoiseSource::setSeed(before);
    for (int i = 0; i < 50; ++i) {
        NoiseSource::next(0.0f);
    }
    EXPECT_EQ(NoiseSource::seed(), after);
}

} // namespace
} // namespace tarvolin
