#pragma once

#include "engine/EngineMath.h"

#include <cstdint>

namespace tarvolin {

// The per-sample slopes of one envelope's stages, derived from its knobs and
// the sample rate when either changes.
struct EnvelopeSlopes {
    float attack = 0.0f;
    float decay = 0.0f;
    float release = 0.0f;
};

// A linear attack-decay-sustain-release envelope. The level climbs at a
// constant slope until it passes 1.0, then falls at constant slopes towards
// the sustain level while the gate is held, or towards 0 once it is released.
// Every time parameter sets its slope as rate * (1 - value)^4, so the knob is
// finest at long times and 1.0 means "never".
class Envelope {
public:
    enum Stage : std::uint8_t { kAttack = 0, kAfterAttack = 1 };

    // The base slope is 40 per second: a full attack at time 0 takes 25 ms.
    static constexpr float kSlopePerSecond = 40.0f;
    // A release falls ten times as fast as a decay with the same setting.
    static constexpr float kReleaseSpeedUp = 10.0f;

    // The base slope per sample at a sample rate.
    static float rateFor(float sampleRate) noexcept { return kSlopePerSecond / sampleRate; }
    // rate * (1 - time)^4: the attack's rise or the decay's fall per sample.
    static float slope(float rate, float time) noexcept { return rate * fourthPower(1.0f - time); }
    static float releaseSlope(float rate, float time) noexcept {
        return rate * fourthPower(1.0f - time) * kReleaseSpeedUp;
    }

    // Advances one sample and returns the new level. The gate is 1.0 while a
    // note is held and 0.0 after its release.
    float step(float gate, const EnvelopeSlopes& slopes, float sustain) noexcept {
        if (stage_ == kAttack) {
            // The level may overshoot 1.0 by one step; it is not cut back.
            level_ += slopes.attack;
            if (level_ > 1.0f || gate == 0.0f) {
                stage_ = kAfterAttack;
            }
            return level_;
        }
        if (level_ > sustain && gate == 1.0f) {
            level_ -= slopes.decay;
        } else if (gate == 0.0f) {
            level_ -= slopes.release;
        }
        // A held level at or below the sustain stays put: the sustain is never
        // approached from below, not even when the knob is raised.
        if (level_ < 0.0f) {
            level_ = 0.0f;
        }
        return level_;
    }

    // Note on: back to the attack. The amp envelope keeps its level so that a
    // new note rises from wherever the previous one was; the others restart
    // from 0.
    void restartKeepingLevel() noexcept { stage_ = kAttack; }
    void restartFromZero() noexcept {
        stage_ = kAttack;
        level_ = 0.0f;
    }

    // The idle voice silences the level but leaves the stage where it was.
    void silence() noexcept { level_ = 0.0f; }

    float level() const noexcept { return level_; }
    Stage stage() const noexcept { return stage_; }

private:
    float level_ = 0.0f;
    Stage stage_ = kAttack;
};

} // namespace tarvolin
