#include "engine/Envelope.h"

#include <gtest/gtest.h>

namespace tarvolin {
namespace {

constexpr float kHeld = 1.0f, kReleased = 0.0f;

// An envelope driven by knob values at a sample rate, with the slopes the
// engine derives from them.
class KnobEnvelope : public Envelope {
public:
    explicit KnobEnvelope(float sampleRate) : rate_(rateFor(sampleRate)) {}
    float step(float gate, float attack, float decay, float sustain, float release) {
        return Envelope::step(
            gate, {slope(rate_, attack), slope(rate_, decay), releaseSlope(rate_, release)},
            sustain);
    }
    float rate() const { return rate_; }

private:
    float rate_;
};

// Steps with the gate held until the attack ends; returns the samples taken.
int attack(KnobEnvelope& envelope, float attackTime) {
    int samples = 0;
    for (; envelope.stage() == Envelope::kAttack && samples < 1000000; ++samples) {
        envelope.step(kHeld, attackTime, 0.0f, 1.0f, 0.0f);
    }
    return samples;
}

TEST(Envelope, AttackTimesFollowTheFourthPowerOfTheKnob) {
    KnobEnvelope fast(44100.0f);
    const int full = attack(fast, 0.0f); // 25 ms
    EXPECT_GE(full, 1102);
    EXPECT_LE(full, 1103);
    EXPECT_GT(fast.level(), 1.0f); // overshoots by at most one step
    EXPECT_LE(fast.level(), 1.0f + fast.rate());

    KnobEnvelope slow(44100.0f);
    EXPECT_NEAR(attack(slow, 0.5f), 17640, 2); // 0.4 s
    KnobEnvelope at48k(48000.0f);
    EXPECT_NEAR(attack(at48k, 0.0f), 1200, 1);
}

TEST(Envelope, DecaysToTheSustainLevelAndHoldsIt) {
    KnobEnvelope envelope(44100.0f);
    attack(envelope, 0.0f);
    int samples = 0;
    for (; envelope.level() > 0.5f; ++samples) {
        envelope.step(kHeld, 0.0f, 0.5f, 0.5f, 0.0f);
    }
    EXPECT_NEAR(samples, 8828, 3); // 0.2 s from 1.0 is 8820, plus the overshoot
    const float held = envelope.level();
    for (int i = 0; i < 1000; ++i) {
        ASSERT_EQ(envelope.step(kHeld, 0.0f, 0.5f, 0.5f, 0.0f), held);
    }
    // A sustain raised while the note is held does not lift the level.
    EXPECT_EQ(envelope.step(kHeld, 0.0f, 0.5f, 0.9f, 0.0f), held);

    KnobEnvelope full(44100.0f);
    attack(full, 0.0f);
    for (int i = 0; i < 10000; ++i) {
        const float level = full.step(kHeld, 0.0f, 0.0f, 1.0f, 0.0f);
        ASSERT_NEAR(level, 1.0f, full.rate());
    }
}

TEST(Envelope, ReleaseIsTenTimesTheDecaySlopeAndStopsAtZero) {
    KnobEnvelope envelope(44100.0f);
    attack(envelope, 0.0f);
    float previous = envelope.level();
    int samples = 0;
    for (; envelope.step(kReleased, 0.0f, 0.0f, 1.0f, 0.5f) > 0.0f; ++samples) {
        EXPECT_NEAR(previous - envelope.level(), envelope.rate() * 0.0625f * 10.0f, 1e-7f);
        previous = envelope.level();
    }
    EXPECT_NEAR(samples, 1764, 2); // 40 ms from 1.0 at R = 0.5
    EXPECT_EQ(envelope.step(kReleased, 0.0f, 0.0f, 1.0f, 0.5f), 0.0f);
}

TEST(Envelope, GateFallingInTheAttackReleasesFromWhereTheLevelIs) {
    KnobEnvelope envelope(44100.0f);
    for (int i = 0; i < 300; ++i) {
        envelope.step(kHeld, 0.0f, 0.0f, 1.0f, 0.0f);
    }
    // At A = 1 the attack adds nothing: the level waits for the release.
    envelope.restartKeepingLevel();
    const float reached = envelope.level();
    EXPECT_EQ(envelope.step(kHeld, 1.0f, 0.0f, 1.0f, 0.0f), reached);
    EXPECT_EQ(envelope.step(kReleased, 1.0f, 0.0f, 1.0f, 0.0f), reached);
    EXPECT_EQ(envelope.stage(), Envelope::kAfterAttack);
    EXPECT_LT(envelope.step(kReleased, 1.0f, 0.0f, 1.0f, 0.0f), reached);

    envelope.silence();
    EXPECT_EQ(envelope.level(), 0.0f);
    EXPECT_EQ(envelope.stage(), Envelope::kAfterAttack);
    envelope.step(kHeld, 0.0f, 0.0f, 0.0f, 0.0f);
    envelope.restartFromZero();
    EXPECT_EQ(envelope.level(), 0.0f);
    EXPECT_EQ(envelope.stage(), Envelope::kAttack);
}

} // namespace
} // namespace tarvolin
