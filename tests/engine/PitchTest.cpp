#include "EngineTestSupport.h"

#include "engine/FastMath.h"
#include "engine/PitchLaw.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tarvolin {
namespace {

float frequency(float pitch) {
    return PitchLaw::frequencies<FastMath>(splat(pitch))[0];
}

TEST(PitchLaw, OctavesAroundNote81AndTheTenHertzFloor) {
    EXPECT_EQ(frequency(81.0f), 440.0f);
    EXPECT_EQ(frequency(69.0f), 220.0f);
    EXPECT_EQ(frequency(93.0f), 880.0f);
    EXPECT_NEAR(frequency(82.0f) / 440.0f, std::pow(2.0, 1.0 / 12.0), 1e-6);
    EXPECT_EQ(frequency(-3.0f), 10.0f); // note 0, MASTERPITCH 0: 3.4 Hz asked
}

class EnginePitch : public ::testing::Test {
protected:
    void SetUp() override {
        test::setParam(*engine, kVolumeOsc2, 0.0f);
        test::setParam(*engine, kWaveformOsc1, 2.0f / 3.0f); // saw
    }
    const OscillatorFront& saw1() const { return engine->voice(0).osc1.saw().front(); }
    // The phase increment the oscillators derive from a frequency.
    static float incrementFor(float hertz) { return OscillatorFront::phaseStep(hertz, 22050.0f); }

    std::unique_ptr<SynthEngine> engine = test::makeEngine();
};

TEST_F(EnginePitch, Note81SoundsAt440HzAndTheSineFormAnOctaveHigher) {
    engine->noteOn(81, 0);
    for (float form : {0.0f, 1.0f / 3.0f, 2.0f / 3.0f, 1.0f}) {
        test::setParam(*engine, kWaveformOsc1, form);
        test::render(*engine, 4410);
        EXPECT_NEAR(test::measureFrequency(test::render(*engine, 22050)),
                    form == 0.0f ? 880.0 : 440.0, 1.0)
            << "form " << form * 3.0f;
    }
}

TEST_F(EnginePitch, Oscillator2TuningAndTheFloor) {
    test::setParam(*engine, kVolumeOsc2, 0.5f);
    test::setParam(*engine, kWaveformOsc2, 2.0f / 3.0f);
    test::setParam(*engine, kTuneOsc2, 0.75f); // +12 semitones
    engine->noteOn(81, 0);
    test::render(*engine, 1);
    EXPECT_EQ(engine->voice(0).osc2.saw().front().increment(), incrementFor(880.0f));
    EXPECT_EQ(saw1().increment(), incrementFor(440.0f));

    test::setParam(*engine, kMasterPitch, 0.0f);
    engine->noteOn(0, 0);
    test::render(*engine, 1);
    EXPECT_EQ(saw1().increment(), incrementFor(10.0f));
}

TEST_F(EnginePitch, NoteFromSilenceSweepsUpFromZeroIncrement) {
    engine->noteOn(81, 0);
    test::render(*engine, 1);
    EXPECT_EQ(saw1().smoothedIncrement(), saw1().increment() * 0.1f);
    test::render(*engine, 1);
    EXPECT_NEAR(saw1().smoothedIncrement(), saw1().increment() * 0.19f, 1e-7f);
}

TEST_F(EnginePitch, LegatoGlidesTwelveSemitonesInTwelveThousandSamples) {
    test::setParam(*engine, kPortamento, 0.5f);
    engine->noteOn(60, 0);
    test::render(*engine, 100);
    engine->noteOn(72, 0);
    EXPECT_EQ(engine->channel(0).glide, 12.0f);
    test::render(*engine, 1);
    EXPECT_NEAR(saw1().increment(), incrementFor(frequency(60.001f)), 1e-6f);
    test::render(*engine, 5999);
    EXPECT_NEAR(engine->channel(0).glide, 6.0f, 0.01f);
    test::render(*engine, 5990);
    EXPECT_GT(engine->channel(0).glide, 0.0f);
    test::render(*engine, 20);
    EXPECT_EQ(engine->channel(0).glide, 0.0f);
    EXPECT_EQ(saw1().increment(), incrementFor(frequency(72.0f)));
}

TEST_F(EnginePitch, GlideNeedsAHeldNoteAndWaitsForPortamento) {
    engine->noteOn(60, 0);
    engine->noteOff(60, 0);
    engine->noteOn(72, 0); // after the release: no glide
    EXPECT_EQ(engine->channel(0).glide, 0.0f);

    engine->noteOn(67, 0); // legato with portamento 0: jumps, the glide is kept
    test::render(*engine, 100);
    EXPECT_EQ(engine->channel(0).glide, -5.0f);
    EXPECT_EQ(saw1().increment(), incrementFor(frequency(67.0f)));

    test::setParam(*engine, kPortamento, 0.5f);
    test::render(*engine, 1);
    EXPECT_NEAR(engine->channel(0).glide, -4.999f, 1e-5f);
}

} // namespace
} // namespace tarvolin
