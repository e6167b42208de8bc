#pragma once

#include "engine/LadderTuning.h"

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>

namespace tarvolin {

// A four-stage resonant filter. Each stage is the same one-pole section,
//   stage = p * (in + lastIn) - k * stage,
// with a zero at Nyquist and its pole at -k; the cutoff c (0..1) enters the
// coefficients directly. The fourth stage is fed back to the input for
// resonance and is softened by the cubic x - x^3 / 6 before it is used. Three
// outputs: low-pass from stage 4, band-pass from stage 3 minus stage 4, and
// high-pass from the input minus stage 4, each with a gain that makes up for
// the level the resonance takes away.
class LadderFilter {
public:
    enum Type : long { kLowPass = 0, kBandPass = 1, kHighPass = 2 };

    static constexpr float kCutoffBend = 0.01f;
    static constexpr float kGainPoint = 0.9f;
    static constexpr float kGainSlope = 2.21f;
    static constexpr float kOneSixth = 0.16666667f;
    static constexpr float kFeedbackScale = 0.64f;
    static constexpr float kBandPassGain = 3.0f;

    // Bounds that keep the filter's state finite; see the .cpp for why each
    // is needed and why neither changes the output in the normal range.
    static constexpr float kLowestPole = -1.0f;
    static constexpr float kCubicTurningPoint = 1.4142135f; // sqrt(2)
    // k at cutoff 1, the most open the law gets.
    static constexpr double kHighestPole = 0.99;

    // The cutoff law: k for a cutoff sum c of at most 1, as at 44100 Hz.
    static float cutoffPole(float cutoff) noexcept {
        const float k = cutoff * (2.0f * cutoff - kCutoffBend) - 1.0f;
        return k < kLowestPole ? kLowestPole : k;
    }

    // Filters `sample` in place. Any `type` other than the three outputs
    // leaves the sample unfiltered (the state still advances). The resonance
    // and the output gains follow the cutoff law; the stages run with the
    // coefficients `tuning` gives for the running rate.
    void process(float& sample, float cutoff, float resonance, long type,
                 const LadderTuning& tuning = referenceTuning) noexcept;
    // The same for `count` samples in place, each with its own cutoff.
    void processRun(float* samples, const float* cutoffs, int count, float resonance, long type,
                    const LadderTuning& tuning) noexcept;

    // Whether the state carried from sample to sample is finite.
    bool isFinite() const noexcept {
        return std::isfinite(stage1_ + stage2_ + stage3_ + stage4_ + lastInput_ + lastStage1_ +
                             lastStage2_ + lastStage3_);
    }

    float stage1() const noexcept { return stage1_; }
    float stage2() const noexcept { return stage2_; }
    float stage3() const noexcept { return stage3_; }
    float stage4() const noexcept { return stage4_; }
    float k() const noexcept { return k_; }
    float p() const noexcept { return p_; }
    float feedbackGain() const noexcept { return feedbackGain_; }
    // After a change of rate the coefficients are worked out afresh.
    void retune() noexcept { lawCutoff_ = std::numeric_limits<float>::quiet_NaN(); }

private:
    static constexpr int kHistorySize = 8;
    static_assert(kHistorySize > LadderTuning::kLongestDelay);
    static const LadderTuning referenceTuning;

    void followCutoff(float cutoff, float resonance, const LadderTuning& tuning) noexcept;

    // stage 4 as it was `tuning`'s feedback delay ago: at 44100 Hz its last
    // value, `stage4`, still at hand.
    float delayedStage4(float stage4, const LadderTuning& tuning) const noexcept {
        const int whole = tuning.delaySamples();
        const float fraction = tuning.delayFraction();
        if (whole == 1 && fraction == 0.0f) {
            return stage4;
        }
        const float newer = history_[(head_ - whole) & (kHistorySize - 1)];
        if (fraction == 0.0f) {
            return newer;
        }
        const float older = history_[(head_ - whole - 1) & (kHistorySize - 1)];
        return newer + fraction * (older - newer);
    }

    float stage1_ = 0.0f;
    float stage2_ = 0.0f;
    float stage3_ = 0.0f;
    float stage4_ = 0.0f;
    float lastInput_ = 0.0f;
    float lastStage1_ = 0.0f;
    float lastStage2_ = 0.0f;
    float lastStage3_ = 0.0f;
    float k_ = 0.0f;
    float p_ = 0.0f;
    float feedbackGain_ = 0.0f;
    // The cutoff and resonance the coefficients were worked out for, and the
    // stage coefficients at the running rate.
    float lawCutoff_ = std::numeric_limits<float>::quiet_NaN();
    float lawResonance_ = 0.0f;
    float stageK_ = 0.0f;
    float stageP_ = 0.0f;
    // The last outputs of stage 4, newest at head_ - 1.
    std::array<float, kHistorySize> history_{};
    int head_ = 0;
};

inline void LadderFilter::followCutoff(float cutoff, float resonance,
                                       const LadderTuning& tuning) noexcept {
    lawCutoff_ = cutoff;
    lawResonance_ = resonance;
    // k runs from -1 (c = 0: p = 0 and every stage holds its value) to 0.99
    // (c = 1). Between c = 0 and c = 0.005 the product c * (2c - 0.01) is
    // negative and k would dip to -1.0000125: a pole outside the unit circle
    // that lets every stage grow by up to 1.25e-5 per sample, and a held
    // cutoff there runs the state to overflow within about a minute. The law
    // holds k at -1 instead, which freezes the stages; no other cutoff is
    // affected.
    k_ = cutoffPole(cutoff);
    p_ = (k_ + 1.0f) * 0.5f;

    // g is the cubic series of e^t: the feedback grows as the cutoff falls.
    const float t = (kGainPoint - p_) * kGainSlope;
    const float g = ((t * kOneSixth + 0.5f) * t + 1.0f) * t + 1.0f;
    feedbackGain_ = g * resonance * kFeedbackScale;

    stageK_ = k_;
    stageP_ = p_;
    if (!tuning.isReference()) {
        stageK_ = tuning.stagePole(cutoff);
        stageP_ = (stageK_ + 1.0f) * 0.5f;
    }
}

inline void LadderFilter::process(float& sample, float cutoff, float resonance, long type,
                                  const LadderTuning& tuning) noexcept {
    processRun(&sample, &cutoff, 1, resonance, type, tuning);
}

inline void LadderFilter::processRun(float* samples, const float* cutoffs, int count,
                                     float resonance, long type,
                                     const LadderTuning& tuning) noexcept {
    // The state is worked on in locals: through a run it stays in registers.
    // Between samples each stage's last value is its value, so the stages'
    // previous outputs need no locals of their own.
    float stage1 = stage1_, stage2 = stage2_, stage3 = stage3_, stage4 = stage4_;
    float lastInput = lastInput_;
    for (int i = 0; i < count; ++i) {
        const float cutoff = cutoffs[i];
        // The coefficients follow the cutoff and the resonance, which mostly
        // hold still from one sample to the next.
        if (cutoff != lawCutoff_ || resonance != lawResonance_) {
            followCutoff(cutoff, resonance, tuning);
        }

        // Without resonance nothing is fed back (s - 0 * stage4 is s), and
        // the stages of one sample need not wait for the last stage of the one
        // before.
        const float input = samples[i];
        float x = input;
        if (feedbackGain_ != 0.0f) {
            x = input - feedbackGain_ * delayedStage4(stage4, tuning);
        }

        const float k = stageK_;
        const float p = stageP_;
        // Each product with k uses the stage's value from the previous sample.
        const float previous1 = stage1, previous2 = stage2, previous3 = stage3;
        stage1 = p * (x + lastInput) - k * stage1;
        lastInput = x;
        stage2 = p * (stage1 + previous1) - k * stage2;
        stage3 = p * (stage2 + previous2) - k * stage3;
        stage4 = p * (stage3 + previous3) - k * stage4;

        // x - x^3 / 6 rises only up to its turning points at +-sqrt(2) (where
        // it reaches +-0.9428); past +-sqrt(6) it changes sign and grows with
        // the cube, so a loud input at high resonance would feed back ever
        // larger values. Values inside the turning points, the whole normal
        // range, pass unchanged.
        if (stage4 > kCubicTurningPoint) {
            stage4 = kCubicTurningPoint;
        } else if (stage4 < -kCubicTurningPoint) {
            stage4 = -kCubicTurningPoint;
        }
        stage4 = stage4 - stage4 * stage4 * stage4 * kOneSixth;
        // At 44100 Hz the feedback takes stage 4 itself. After a change to
        // another rate the first few feedback values may come from before it.
        if (!tuning.isReference()) {
            history_[static_cast<std::size_t>(head_)] = stage4;
            head_ = (head_ + 1) & (kHistorySize - 1);
        }

        switch (type) {
        case kLowPass:
            samples[i] = stage4 * ((resonance + 1.0f - cutoff) * 0.5f + 1.0f);
            break;
        case kBandPass:
            samples[i] = (stage3 - stage4) * kBandPassGain * (resonance * 0.5f + 1.0f);
            break;
        case kHighPass:
            samples[i] = (input - stage4) * (resonance * 0.5f + 1.0f);
            break;
        default:
            break;
        }
    }
    stage1_ = stage1;
    stage2_ = stage2;
    stage3_ = stage3;
    stage4_ = stage4;
    lastInput_ = lastInput;
    lastStage1_ = stage1;
    lastStage2_ = stage2;
    lastStage3_ = stage3;
}

static_assert(std::bit_cast<std::uint32_t>(LadderFilter::kCutoffBend) == 0x3C23D70Au);
static_assert(std::bit_cast<std::uint32_t>(LadderFilter::kGainPoint) == 0x3F666666u);
static_assert(std::bit_cast<std::uint32_t>(LadderFilter::kGainSlope) == 0x400D70A4u);
static_assert(std::bit_cast<std::uint32_t>(LadderFilter::kOneSixth) == 0x3E2AAAABu);
static_assert(std::bit_cast<std::uint32_t>(LadderFilter::kFeedbackScale) == 0x3F23D70Au);
static_assert(std::bit_cast<std::uint32_t>(LadderFilter::kCubicTurningPoint) == 0x3FB504F3u);

} // namespace tarvolin
