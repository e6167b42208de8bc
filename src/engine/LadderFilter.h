#pragma once

#include "engine/Float4.h"
#include "engine/LadderTuning.h"
#include "engine/RunLength.h"

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>

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

    // The cutoff law: k for a cutoff sum c of at most 1, as at 44100 Hz, of
    // one cutoff or of four. k runs from -1 (c = 0: p = 0 and every stage
    // holds its value) to 0.99 (c = 1). Between c = 0 and c = 0.005 the
    // product c * (2c - 0.01) is negative and k would dip to -1.0000125: a
    // pole outside the unit circle that lets every stage grow by up to
    // 1.25e-5 per sample, and a held cutoff there runs the state to overflow
    // within about a minute. The law holds k at -1 instead, which freezes the
    // stages; no other cutoff is affected.
    template <class Real> static Real cutoffPole(Real cutoff) noexcept {
        return atLeast(cutoff * (2.0f * cutoff - kCutoffBend) - 1.0f, kLowestPole);
    }

    // p = (k + 1) / 2 gives each stage unity gain at DC.
    template <class Real> static Real stageGain(Real k) noexcept { return (k + 1.0f) * 0.5f; }

    // What the stages run with in each sample of a run: the stage pole k and
    // gain p at the running rate, the feedback gain and the gain of the
    // chosen output. The law's own k and p and the feedback gain of the last
    // sample are what the filter keeps.
    struct RunCoefficients {
        alignas(16) float stageK[kLongestRun];
        alignas(16) float stageP[kLongestRun];
        alignas(16) float feedbackGain[kLongestRun];
        alignas(16) float outputGain[kLongestRun];
        float lastK;
        float lastP;
        float lastFeedbackGain;
    };
    // The coefficients of `count` samples (1 to kLongestRun) whose cutoff
    // sums, each at most 1, are `cutoffs`, worked out four at a time: the
    // last group of four is read whole.
    static void coefficientsFor(const float* cutoffs, int count, float resonance, long type,
                                const LadderTuning& tuning, RunCoefficients& run) noexcept;

    class Run;

    // Filters `sample` in place. Any `type` other than the three outputs
    // leaves the sample unfiltered (the state still advances). The resonance
    // and the output gains follow the cutoff law; the stages run with the
    // coefficients `tuning` gives for the running rate.
    void process(float& sample, float cutoff, float resonance, long type,
                 const LadderTuning& tuning = referenceTuning) noexcept;

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

private:
    static constexpr int kHistorySize = 8;
    static_assert(kHistorySize > LadderTuning::kLongestDelay);
    static const LadderTuning referenceTuning;

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
    // The last outputs of stage 4, newest at head_ - 1.
    std::array<float, kHistorySize> history_{};
    int head_ = 0;
};

inline void LadderFilter::coefficientsFor(const float* cutoffs, int count, float resonance,
                                          long type, const LadderTuning& tuning,
                                          RunCoefficients& run) noexcept {
    for (int j = 0; j < count; j += 4) {
        const Float4 cutoff = load4(&cutoffs[j]);
        const Float4 k = cutoffPole(cutoff);
        const Float4 p = stageGain(k);
        // g is the cubic series of e^t: the feedback grows as the cutoff falls.
        const Float4 t = (kGainPoint - p) * kGainSlope;
        const Float4 g = ((t * kOneSixth + 0.5f) * t + 1.0f) * t + 1.0f;
        store4(&run.feedbackGain[j], g * resonance * kFeedbackScale);
        // The output gains make up for the level the resonance takes away;
        // the low-pass one also falls as the cutoff opens.
        store4(&run.outputGain[j], type == kLowPass ? (resonance + 1.0f - cutoff) * 0.5f + 1.0f
                                                    : splat(resonance * 0.5f + 1.0f));
        store4(&run.stageK[j], k);
        store4(&run.stageP[j], p);
    }
    if (!tuning.isReference()) {
        for (int j = 0; j < count; ++j) {
            run.stageK[j] = tuning.stagePole(cutoffs[j]);
            run.stageP[j] = stageGain(run.stageK[j]);
        }
    }
    run.lastK = cutoffPole(cutoffs[count - 1]);
    run.lastP = stageGain(run.lastK);
    run.lastFeedbackGain = run.feedbackGain[count - 1];
}

// A stretch of samples through one filter, all with the same type, sample j
// with the coefficients at index j * stride: a stride of 0 lets every sample
// share the first. Meanwhile the state is worked on
// in the run's own copy, which the compiler keeps in registers; finish()
// hands it back. Between samples each stage's last value is its value, so
// the stages' previous outputs need no copies of their own.
class LadderFilter::Run {
public:
    Run(LadderFilter& filter, const RunCoefficients& coefficients, int stride, long type,
        const LadderTuning& tuning) noexcept
        : filter_(filter), coefficients_(coefficients), tuning_(tuning), stride_(stride),
          type_(type), stage1_(filter.stage1_), stage2_(filter.stage2_), stage3_(filter.stage3_),
          stage4_(filter.stage4_), lastInput_(filter.lastInput_) {}

    // Sample j of the run through the filter.
    [[gnu::always_inline]] float process(int j, float input) noexcept;

    [[gnu::always_inline]] void finish() noexcept {
        filter_.stage1_ = stage1_;
        filter_.stage2_ = stage2_;
        filter_.stage3_ = stage3_;
        filter_.stage4_ = stage4_;
        filter_.lastInput_ = lastInput_;
        filter_.lastStage1_ = stage1_;
        filter_.lastStage2_ = stage2_;
        filter_.lastStage3_ = stage3_;
        filter_.k_ = coefficients_.lastK;
        filter_.p_ = coefficients_.lastP;
        filter_.feedbackGain_ = coefficients_.lastFeedbackGain;
    }

private:
    LadderFilter& filter_;
    const RunCoefficients& coefficients_;
    const LadderTuning& tuning_;
    const int stride_;
    const long type_;
    float stage1_, stage2_, stage3_, stage4_;
    float lastInput_;
};

[[gnu::always_inline]] inline float LadderFilter::Run::process(int j, float input) noexcept {
    // Without resonance nothing is fed back (s - 0 * stage4 is s), and the
    // stages of one sample need not wait for the last stage of the one before.
    const int at = j * stride_;
    float x = input;
    const float feedbackGain = coefficients_.feedbackGain[at];
    if (feedbackGain != 0.0f) {
        x = input - feedbackGain * filter_.delayedStage4(stage4_, tuning_);
    }

    const float k = coefficients_.stageK[at];
    const float p = coefficients_.stageP[at];
    // Each product with k uses the stage's value from the previous sample.
    const float previous1 = stage1_, previous2 = stage2_, previous3 = stage3_;
    stage1_ = p * (x + lastInput_) - k * stage1_;
    lastInput_ = x;
    stage2_ = p * (stage1_ + previous1) - k * stage2_;
    stage3_ = p * (stage2_ + previous2) - k * stage3_;
    float stage4 = p * (stage3_ + previous3) - k * stage4_;

    // x - x^3 / 6 rises only up to its turning points at +-sqrt(2) (where it
    // reaches +-0.9428); past +-sqrt(6) it changes sign and grows with the
    // cube, so a loud input at high resonance would feed back ever larger
    // values. Values inside the turning points, the whole normal range, pass
    // unchanged.
    if (stage4 > kCubicTurningPoint) {
        stage4 = kCubicTurningPoint;
    } else if (stage4 < -kCubicTurningPoint) {
        stage4 = -kCubicTurningPoint;
    }
    stage4_ = stage4 - stage4 * stage4 * stage4 * kOneSixth;
    // At 44100 Hz the feedback takes stage 4 itself. After a change to
    // another rate the first few feedback values may come from before it.
    if (!tuning_.isReference()) {
        filter_.history_[static_cast<std::size_t>(filter_.head_)] = stage4_;
        filter_.head_ = (filter_.head_ + 1) & (kHistorySize - 1);
    }

    const float gain = coefficients_.outputGain[at];
    switch (type_) {
    case kLowPass:
        return stage4_ * gain;
    case kBandPass:
        return (stage3_ - stage4_) * kBandPassGain * gain;
    case kHighPass:
        return (input - stage4_) * gain;
    default:
        return input;
    }
}

inline void LadderFilter::process(float& sample, float cutoff, float resonance, long type,
                                  const LadderTuning& tuning) noexcept {
    RunCoefficients coefficients;
    alignas(16) const float cutoffs[4] = {cutoff, cutoff, cutoff, cutoff};
    coefficientsFor(cutoffs, 1, resonance, type, tuning, coefficients);
    Run run(*this, coefficients, 0, type, tuning);
    sample = run.process(0, sample);
    run.finish();
}

static_assert(std::bit_cast<std::uint32_t>(LadderFilter::kCutoffBend) == 0x3C23D70Au);
static_assert(std::bit_cast<std::uint32_t>(LadderFilter::kGainPoint) == 0x3F666666u);
static_assert(std::bit_cast<std::uint32_t>(LadderFilter::kGainSlope) == 0x400D70A4u);
static_assert(std::bit_cast<std::uint32_t>(LadderFilter::kOneSixth) == 0x3E2AAAABu);
static_assert(std::bit_cast<std::uint32_t>(LadderFilter::kFeedbackScale) == 0x3F23D70Au);
static_assert(std::bit_cast<std::uint32_t>(LadderFilter::kCubicTurningPoint) == 0x3FB504F3u);

} // namespace tarvolin
