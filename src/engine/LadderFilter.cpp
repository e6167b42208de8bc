#include "engine/LadderFilter.h"

namespace tarvolin {

const LadderTuning LadderFilter::referenceTuning;

void LadderFilter::followCutoff(float cutoff, float resonance,
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

void LadderFilter::process(float& sample, float cutoff, float resonance, long type,
                           const LadderTuning& tuning) noexcept {
    // The coefficients follow the cutoff and the resonance, which mostly hold
    // still from one sample to the next.
    if (cutoff != lawCutoff_ || resonance != lawResonance_) {
        followCutoff(cutoff, resonance, tuning);
    }

    // Without resonance nothing is fed back (s - 0 * stage4 is s), and the
    // stages of one sample need not wait for the last stage of the one before.
    float x = sample;
    if (feedbackGain_ != 0.0f) {
        x = sample - feedbackGain_ * delayedStage4(tuning);
    }

    const float k = stageK_;
    const float p = stageP_;
    // Each product with k uses the stage's value from the previous sample.
    stage1_ = p * (x + lastInput_) - k * stage1_;
    lastInput_ = x;
    stage2_ = p * (stage1_ + lastStage1_) - k * stage2_;
    lastStage1_ = stage1_;
    stage3_ = p * (stage2_ + lastStage2_) - k * stage3_;
    lastStage2_ = stage2_;
    stage4_ = p * (stage3_ + lastStage3_) - k * stage4_;
    lastStage3_ = stage3_;

    // x - x^3 / 6 rises only up to its turning points at +-sqrt(2) (where it
    // reaches +-0.9428); past +-sqrt(6) it changes sign and grows with the cube,
    // so a loud input at high resonance would feed back ever larger values.
    // Values inside the turning points, the whole normal range, pass unchanged.
    if (stage4_ > kCubicTurningPoint) {
        stage4_ = kCubicTurningPoint;
    } else if (stage4_ < -kCubicTurningPoint) {
        stage4_ = -kCubicTurningPoint;
    }
    stage4_ = stage4_ - stage4_ * stage4_ * stage4_ * kOneSixth;
    history_[static_cast<std::size_t>(head_)] = stage4_;
    head_ = (head_ + 1) & (kHistorySize - 1);

    switch (type) {
    case kLowPass:
        sample = stage4_ * ((resonance + 1.0f - cutoff) * 0.5f + 1.0f);
        break;
    case kBandPass:
        sample = (stage3_ - stage4_) * kBandPassGain * (resonance * 0.5f + 1.0f);
        break;
    case kHighPass:
        sample = (sample - stage4_) * (resonance * 0.5f + 1.0f);
        break;
    default:
        break;
    }
}

} // namespace tarvolin
