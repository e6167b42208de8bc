#include "engine/Envelope.h"

#include <gtest/gtest.h>

namespace tarvolin {
namespace {

constexpr float kHeld = 1.0f;
constexpr float kReleased = 0.0f;

// Samples of step() until the attack ends.
int attackLength(Envelope& envelope, float attack) {
    int samples = 0;
    while (envelope.stage() == Envelope::kAttack && samples < 1000000) {
        envelope.step(kHeld, attack, 0.0f, 1.0f, 0.0f);
        ++samples;
    }
    return samples;
}

TEST(Envelope, AttackTimesFollowTheFourthPowerOfTheKnob) {
    Envelope fast(44100.0f);
    const int full = attackLength(fast, 0.0f); // 25 ms
    EXPECT_GE(full, 1102);
    EXPECT_LE(full, 1103);
    EXPECT_GT(fast.level(), 1.0f);
    EXPECT_LE(fast.level(), 1.0f + fast.rate());

    Envelope slow(44100.0f);
    EXPECT_NEAR(attackLength(slow, 0.5f), 17640, 2); // 0.4 s

    Envelope at48k(48000.0f);
    EXPECT_EQ(at48k.rate(), 40.0f / 48000.0f);
    EXPECT_NEAR(attackLength(at48k, 0.0f), 1200, 1);
}

TEST(Envelope, DecaysToTheSustainLevelAndHoldsIt) {
    Envelope envelope(44100.0f);
    attackLength(envelope, 0.0f);
    int samples = 0;
    while (envelope.level() > 0.5f) {
        envelope.step(kHeld, 0.0f, 0.5f, 0.5f, 0.0f);
        ++samples;
    }
    EXPECT_NEAR(samples, 8828, 3); // 0.2 s from 1.0 is 8820, plus the overshoot
    const float held = envelope.level();
    EXPECT_GT(held, 0.5f - envelope.rate() * 0.0625f - 1e-6f);
    for (int i = 0; i < 1000; ++i) {
        EXPECT_EQ(envelope.step(kHeld, 0.0f, 0.5f, 0.5f, 0.0f), held);
    }
    // Raising the sustain while held does not lift the level.
    EXPECT_EQ(envelope.step(kHeld, 0.0f, 0.5f, 0.9f, 0.0f), held);
}

TEST(Envelope, FullSustainSettlesWithinOneDecayStepOfOne) {
    Envelope envelope(44100.0f);
    attackLength(envelope, 0.0f);
    for (int i = 0; i < 10000; ++i) {
        const float level = envelope.step(kHeld, 0.0f, 0.0f, 1.0f, 0.0f);
        EXPECT_LE(level, 1.0f + envelope.rate());
        EXPECT_GT(level, 1.0f - envelope.rate());
    }
}

TEST(Envelope, ReleaseIsTenTimesTheDecaySlopeAndStopsAtZero) {
    Envelope envelope(44100.0f);
    attackLength(envelope, 0.0f);
    float previous = envelope.level();
    int samples = 0;
    while (envelope.step(kReleased, 0.0f, 0.0f, 1.0f, 0.5f) > 0.0f) {
        EXPECT_NEAR(previous - envelope.level(), envelope.rate() * 0.0625f * 10.0f, 1e-7f);
        previous = envelope.level();
        ++samples;
    }
    EXPECT_NEAR(samples, 1764, 2); // 40 ms from 1.0 at R = 0.5
    EXPECT_EQ(envelope.step(kReleased, 0.0f, 0.0f, 1.0f, 0.5f), 0.0f);
}

TEST(Envelope, GateFallingDuringTheAttackStartsTheRelease) {
    Envelope envelope(44100.0f);
    for (int i = 0; i < 300; ++i) {
        envelope.step(kHeld, 0.0f, 0.0f, 1.0f, 0.0f);
    }
    const float peak = envelope.step(kReleased, 0.0f, 0.0f, 1.0f, 0.0f);
    EXPECT_EQ(envelope.stage(), Envelope::kAfterAttack);
    EXPECT_LT(envelope.step(kReleased, 0.0f, 0.0f, 1.0f, 0.0f), peak);
}

TEST(Envelope, FullAttackTimeHoldsTheLevelUntilRelease) {
    Envelope envelope(44100.0f);
    for (int i = 0; i < 200; ++i) {
        envelope.step(kHeld, 0.0f, 0.0f, 1.0f, 0.0f);
    }
    const float reached = envelope.level();
    envelope.restartKeepingLevel();
    for (int i = 0; i < 1000; ++i) {
        EXPECT_EQ(envelope.step(kHeld, 1.0f, 0.0f, 1.0f, 0.0f), reached);
    }
    envelope.step(kReleased, 1.0f, 0.0f, 1.0f, 0.0f); // leaves the attack
    EXPECT_LT(envelope.step(kReleased, 1.0f, 0.0f, 1.0f, 0.0f), reached);
}

TEST(Envelope, RestartAndSilence) {
    Envelope envelope(44100.0f);
    attackLength(envelope, 0.0f);
    const float level = envelope.level();
    envelope.restartKeepingLevel();
    EXPECT_EQ(envelope.stage(), Envelope::kAttack);
    EXPECT_EQ(envelope.level(), level);

    envelope.step(kHeld, 0.0f, 0.0f, 1.0f, 0.0f);
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
