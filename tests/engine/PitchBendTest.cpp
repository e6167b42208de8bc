#include "EngineTestSupport.h"

#include "engine/NoiseSource.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace tarvolin {
namespace {

constexpr float kSaw = 2.0f / 3.0f;

double cents(double hertz, double reference) {
    return 1200.0 * std::log2(hertz / reference);
}

// The noise source's constant part carries the seed's last bits into the mix.
std::unique_ptr<SynthEngine> oneOscillator(float form) {
    NoiseSource::setSeed(1);
    auto engine = test::makeEngine();
    test::setParam(*engine, kVolumeOsc2, 0.0f);
    test::setParam(*engine, kWaveformOsc1, form);
    return engine;
}

void setRange(SynthEngine& engine, int semitones) {
    PitchBend& bend = engine.bend(0);
    bend.selectCoarse(0);
    bend.selectFine(0);
    bend.enterCoarse(semitones);
}

// Note 69 held with the wheel at `position`, once the note has settled.
std::vector<float> heldNote(float form, int position, int range = PitchBend::kDefaultRange) {
    auto engine = oneOscillator(form);
    setRange(*engine, range);
    engine->pitchBend(0, position);
    engine->noteOn(69, 0);
    test::render(*engine, 4410);
    return test::render(*engine, 22050);
}

double heldFrequency(float form, int position, int range = PitchBend::kDefaultRange) {
    return test::measureFrequency(heldNote(form, position, range));
}

float largestStep(const std::vector<float>& samples, std::size_t from, std::size_t count) {
    float largest = 0.0f;
    for (std::size_t i = std::max<std::size_t>(from, 1); i < from + count; ++i) {
        largest = std::max(largest, std::fabs(samples[i] - samples[i - 1]));
    }
    return largest;
}

TEST(PitchBend, TheWheelsEndsBendByTheRangeInEveryForm) {
    for (float form : {0.0f, 1.0f / 3.0f, kSaw, 1.0f}) {
        const double centre = heldFrequency(form, PitchBend::kCentre);
        EXPECT_NEAR(cents(heldFrequency(form, PitchBend::kHighest), centre), 200.0, 1.0) << form;
        EXPECT_NEAR(cents(heldFrequency(form, 0), centre), -200.0, 1.0) << form;
    }
}

TEST(PitchBend, RegisteredParameterZeroSetsTheRange) {
    const double centre = heldFrequency(kSaw, PitchBend::kCentre);
    EXPECT_NEAR(cents(heldFrequency(kSaw, PitchBend::kHighest, 12), centre), 1200.0, 1.0);
    const std::vector<float> unbent = heldNote(kSaw, PitchBend::kCentre);
    EXPECT_EQ(heldNote(kSaw, PitchBend::kHighest, 0), unbent);
    EXPECT_EQ(heldNote(kSaw, 0, 0), unbent);
}

TEST(PitchBend, DataEntryCountsOnlyWhileTheRangeIsSelected) {
    PitchBend bend;
    bend.enterCoarse(12); // nothing selected yet
    EXPECT_EQ(bend.rangeCents(), 200);
    bend.selectCoarse(0);
    bend.selectFine(0);
    bend.enterCoarse(127);
    EXPECT_EQ(bend.rangeCents(), 2400);
    bend.enterCoarse(7);
    bend.enterFine(50);
    EXPECT_EQ(bend.rangeCents(), 750);
    bend.selectFine(1); // fine tuning, another registered parameter
    bend.enterCoarse(3);
    bend.selectCoarse(127);
    bend.selectFine(127); // the null number
    bend.enterCoarse(3);
    EXPECT_EQ(bend.rangeCents(), 750);

    bend.setWheel(PitchBend::kHighest + 1);
    EXPECT_EQ(bend.semitones(), 7.5f);
    bend.setWheel(-1);
    EXPECT_EQ(bend.semitones(), -7.5f);
    bend.selectCoarse(0);
    bend.selectFine(0);
    bend.reset();
    EXPECT_EQ(bend.semitones(), 0.0f);
    bend.enterCoarse(5); // the reset deselected
    EXPECT_EQ(bend.rangeCents(), 200);
}

// Whatever the wheels and ranges went through, with channel 0's wheel at the
// centre the voice renders to the bit what it renders without them.
TEST(PitchBend, AtTheCentreTheVoiceRendersAsWithoutAWheel) {
    const auto play = [](bool touched) {
        auto engine = oneOscillator(kSaw);
        for (ParameterIndex index : {kLfo1Rate, kModEnvAmount, kPortamento, kFmAmountOsc1}) {
            test::setParam(*engine, index, 0.6f);
        }
        std::vector<float> samples;
        for (int note : {40, 52, 47}) {
            if (touched) {
                engine->pitchBend(3, PitchBend::kHighest);
                setRange(*engine, note % 25);
                engine->pitchBend(0, PitchBend::kCentre);
            }
            engine->noteOn(note, 0);
            const std::vector<float> part = test::render(*engine, 3000);
            samples.insert(samples.end(), part.begin(), part.end());
            if (touched) {
                engine->resetControllers(0);
            }
        }
        return samples;
    };
    EXPECT_EQ(play(true), play(false));
}

// A sweep of the wheel, a message every 2 ms, moves the pitch as smoothly as
// the note moves by itself: just after each message no step between two
// samples is larger than the note's own largest step held at either end,
// give or take the 1 % by which the feedback's brightness changes on the way.
TEST(PitchBend, ASweepOfTheWheelDoesNotClick) {
    constexpr int kMessages = 50;
    constexpr int kApart = 88;
    for (float form : {0.0f, 1.0f / 3.0f, kSaw, 1.0f}) {
        auto engine = oneOscillator(form);
        engine->noteOn(69, 0);
        const float below = largestStep(test::render(*engine, 4410), 2205, 2205);
        std::vector<float> sweep;
        for (int m = 1; m <= kMessages; ++m) {
            engine->pitchBend(0, PitchBend::kCentre +
                                     m * (PitchBend::kHighest - PitchBend::kCentre) / kMessages);
            const std::vector<float> part = test::render(*engine, kApart);
            sweep.insert(sweep.end(), part.begin(), part.end());
        }
        const float above = largestStep(test::render(*engine, 4410), 2205, 2205);
        const float held = std::max(below, above) * 1.01f;
        for (int m = 0; m < kMessages; ++m) {
            ASSERT_LE(largestStep(sweep, static_cast<std::size_t>(m * kApart), 16), held)
                << "form " << form << ", message " << m;
        }
    }
}

TEST(ChannelModes, AllSoundOffLeavesTheVoiceIdleAtOnce) {
    auto engine = oneOscillator(kSaw);
    test::setParam(*engine, kReleaseAmp, 0.9f);
    engine->noteOn(60, 0);
    engine->noteOn(64, 0); // leaves a glide: portamento is 0
    test::render(*engine, 500);
    engine->allSoundOff(0);
    EXPECT_EQ(engine->channel(0).gate, 0.0f);
    EXPECT_EQ(engine->channel(0).glide, 0.0f);
    EXPECT_EQ(engine->voice(0).ampEnv.level(), 0.0f);
    EXPECT_EQ(engine->voice(0).osc1.saw().front().phase(), -OscillatorFront::kHalfRange);
    EXPECT_EQ(engine->voice(0).osc1.saw().front().smoothedIncrement(), 0.0f);
    for (float sample : test::render(*engine, 100)) {
        ASSERT_EQ(sample, 0.0f);
    }
}

TEST(ChannelModes, AllNotesOffClosesTheGateWhateverTheNote) {
    auto engine = test::makeEngine();
    engine->noteOn(60, 5);
    engine->noteOn(64, 5);
    engine->noteOff(60, 5);
    engine->allNotesOff(4);
    EXPECT_EQ(engine->channel(5).gate, 1.0f);
    engine->allNotesOff(5);
    EXPECT_EQ(engine->channel(5).gate, 0.0f);
    for (int channel : {-1, 16}) {
        engine->allNotesOff(channel);
        engine->allSoundOff(channel);
        engine->pitchBend(channel, 0);
        engine->resetControllers(channel);
    }
}

} // namespace
} // namespace tarvolin
