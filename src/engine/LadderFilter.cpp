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

} // namespace tarvolin
