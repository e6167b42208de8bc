#include "engine/LadderFilter.h"

namespace tarvolin {

void LadderFilter::process(float& sample, float cutoff, float resonance, long type) noexcept {
    // k runs from -1 (c = 0: p = 0 and every stage holds its value) to 0.99
    // (c = 1). Between c = 0 and c = 0.005 the product c * (2c - 0.01) is
    // negative and k dips to -1.0000125: a pole outside the unit circle that
    // lets every stage grow by up to 1.25e-5 per sample, and a held cutoff
    // there runs the state to overflow within about a minute. Holding k at -1
    // freezes the stages instead; no other cutoff is affected.
    k_ = cutoff * (2.0f * cutoff - kCutoffBend) - 1.0f;
    if (k_ < kLowestPole) {
        k_ = kLowestPole;
    }
    p_ = (k_ + 1.0f) * 0.5f;

    // g is the cubic series of e^t: the feedback grows as the cutoff falls.
    const float t = (kGainPoint - p_) * kGainSlope;
    const float g = ((t * kOneSixth + 0.5f) * t + 1.0f) * t + 1.0f;
    feedbackGain_ = g * resonance * kFeedbackScale;

    const float x = sample - feedbackGain_ * stage4_;
    input_ = x;

    // Each product with k uses the stage's value from the previous sample.
    stage1_ = p_ * (x + lastInput_) - k_ * stage1_;
    lastInput_ = x;
    stage2_ = p_ * (stage1_ + lastStage1_) - k_ * stage2_;
    lastStage1_ = stage1_;
    stage3_ = p_ * (stage2_ + lastStage2_) - k_ * stage3_;
    lastStage2_ = stage2_;
    stage4_ = p_ * (stage3_ + lastStage3_) - k_ * stage4_;
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
