#include "EngineTestSupport.h"

#include "engine/PitchLaw.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tarvolin {
namespace {

TEST(PitchLaw, OctavesAroundNote81AndTheTenHertzFloor) {
    EXPECT_EQ(PitchLaw::frequency(81.0f), 440.0f);
    EXPECT_EQ(PitchLaw::frequency(69.0f), 220.0f);
    EXPECT_EQ(PitchLaw::frequency(93.0f), 880.0f);
    EXPECT_NEAR(PitchLaw::frequency(82.0f) / 440.0f, std::pow(2.0, 1.0 / 12.0), 1e-6);
    EXPECT_EQ(PitchLaw::frequency(-3.0f), 10.0f); // note 0, MASTERPITCH 0: 3.4 Hz asked
    EXPECT_EQ(PitchLaw::frequency(-200.0f), 10.0f);
}

TEST(PitchLaw, GlideMovesLinearlyAndOnlyWhilePortamentoIsUp) {
    float glide = 12.0f;
    float offset = 0.0f;
    PitchLaw::glideStep(glide, 0.0f, offset);
    EXPECT_EQ(glide, 12.0f);
    EXPECT_EQ(offset, 0.0f);

    int samples = 0;
    while (glide > 0.0f) {
        offset = 0.0f;
        PitchLaw::glideStep(glide, 0.5f, offset);
        EXPECT_EQ(offset, -glide);
        ++samples;
    }
    EXPECT_NEAR(samples, 12000, 3); // 0.001 semitones per sample

    glide = -0.0015f;
    PitchLaw::glideStep(glide, 0.5f, offset);
    EXPECT_NEAR(glide, -0.0005f, 1e-7f);
    PitchLaw::glideStep(glide, 0.5f, offset);
    EXPECT_EQ(glide, 0.0f); // never past 0
}

class EnginePitch : public ::testing::Test {
protected:
    void SetUp() override {
        engine = test::makeEngine();
        test::setDefaultPatch(*engine);
        test::setParam(*engine, kVolumeOsc2, 0.0f);
        test::setParam(*engine, kWaveformOsc1, 2.0f / 3.0f); // saw
    }

    const SawOscillator& saw1() const { return engine->voice(0).osc1.saw(); }
    // The phase increment the oscillators derive from a frequency in hertz.
    static float incrementFor(float hertz) {
        return hertz * OscillatorFront::kHalfRange / OscillatorFront::kHalfSampleRate;
    }

    std::unique_ptr<SynthEngine> engine;
};

TEST_F(EnginePitch, Note81SoundsAt440HzAndTheSineFormAnOctaveHigher) {
    engine->noteOn(81, 0);
    test::render(*engine, 4410);
    EXPECT_NEAR(test::measureFrequency(test::render(*engine, 44100)), 440.0, 0.5);
    test::setParam(*engine, kWaveformOsc1, 0.0f);
    test::render(*engine, 4410);
    EXPECT_NEAR(test::measureFrequency(test::render(*engine, 44100)), 880.0, 0.5);
}

TEST_F(EnginePitch, Oscillator2TuningAndTheFloor) {
    test::setParam(*engine, kVolumeOsc2, 0.5f);
    test::setParam(*engine, kWaveformOsc2, 2.0f / 3.0f);
    test::setParam(*engine, kTuneOsc2, 0.75f); // +12 semitones
    engine->noteOn(81, 0);
    test::render(*engine, 1);
    EXPECT_EQ(engine->voice(0).osc2.saw().front().increment(), incrementFor(880.0f));
    EXPECT_EQ(saw1().front().increment(), incrementFor(440.0f));

    test::setParam(*engine, kMasterPitch, 0.0f);
    engine->noteOn(0, 0);
    test::render(*engine, 1);
    EXPECT_EQ(saw1().front().increment(), incrementFor(10.0f));
}

TEST_F(EnginePitch, NoteFromSilenceSweepsUpFromZeroIncrement) {
    engine->noteOn(81, 0);
    test::render(*engine, 1);
    const float target = saw1().front().increment();
    EXPECT_EQ(saw1().front().smoothedIncrement(), target * 0.1f);
    test::render(*engine, 1);
    EXPECT_NEAR(saw1().front().smoothedIncrement(), target * 0.19f, 1e-7f);
}

TEST_F(EnginePitch, LegatoGlidesTwelveSemitonesInTwelveThousandSamples) {
    test::setParam(*engine, kPortamento, 0.5f);
    engine->noteOn(60, 0);
    test::render(*engine, 100);
    engine->noteOn(72, 0);
    EXPECT_EQ(engine->channel(0).glide, 12.0f);
    test::render(*engine, 1);
    EXPECT_NEAR(saw1().front().increment(), incrementFor(PitchLaw::frequency(60.001f)), 1e-6f);
    test::render(*engine, 5999);
    EXPECT_NEAR(engine->channel(0).glide, 6.0f, 0.01f);
    test::render(*engine, 5990);
    EXPECT_GT(engine->channel(0).glide, 0.0f);
    test::render(*engine, 20);
    EXPECT_EQ(engine->channel(0).glide, 0.0f);
    EXPECT_EQ(saw1().front().increment(), incrementFor(PitchLaw::frequency(72.0f)));
}

TEST_F(EnginePitch, GlideNeedsAHeldNoteAndWaitsForPortamento) {
    engine->noteOn(60, 0);
    engine->noteOff(60, 0);
    engine->noteOn(72, 0); // after the release: no glide
    EXPECT_EQ(engine->channel(0).glide, 0.0f);

    engine->noteOn(67, 0); // legato with portamento 0: jumps, glide is stored
    test::render(*engine, 100);
    EXPECT_EQ(engine->channel(0).glide, -5.0f);
    EXPECT_EQ(saw1().front().increment(), incrementFor(PitchLaw::frequency(67.0f)));

    test::setParam(*engine, kPortamento, 0.5f);
    test::render(*engine, 1);
    EXPECT_NEAR(engine->channel(0).glide, -4.999f, 1e-5f);
}

} // namespace
} // namespace tarvolin
