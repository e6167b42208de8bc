#include "engine/ChannelSettings.h"

#include "engine/EngineMath.h"
#include "engine/Modulation.h"
#include "engine/PitchLaw.h"
#include "engine/RateCoefficients.h"
#include "engine/WavetableLfo.h"

#include <bit>

namespace tarvolin {

namespace {

long switchPosition(float value, float span) noexcept {
    return roundToInt(value * span);
}

std::uint32_t lfoIncrement(float rateKnob, float sampleRate) noexcept {
    return WavetableLfo::incrementFor(ChannelSettings::kLfoTopRate * fourthPower(rateKnob),
                                      sampleRate);
}

} // namespace

void ChannelSettings::deriveChanged(const Slots& stored, const RateCoefficients& rate) noexcept {
    // Taking the marks first means a store that lands meanwhile is marked
    // again and derived next time, never lost.
    std::uint64_t changed = changed_.exchange(0, std::memory_order_acquire);
    for (std::uint64_t pending = changed; pending != 0; pending &= pending - 1) {
        const int index = std::countr_zero(pending);
        values_[index] = limitToUnit(stored[index].load());
    }
    for (; changed != 0; changed &= changed - 1) {
        derive(static_cast<ParameterIndex>(std::countr_zero(changed)), rate);
    }
}

void ChannelSettings::derive(ParameterIndex index, const RateCoefficients& rate) noexcept {
    const auto& v = values_;
    Derived& d = derived_;
    const float envelopeRate = rate.envelopeRate();
    switch (index) {
    case kMasterPitch:
        d.pitchOffset = (v[kMasterPitch] - 0.5f) * kMasterPitchSpan;
        break;
    case kTuneOsc2:
    case kFineTuneOsc2:
        d.tuneOffset2 =
            (v[kFineTuneOsc2] - 0.5f) + roundToWhole((v[kTuneOsc2] - 0.5f) * kCoarseTuneSpan);
        break;
    case kWaveformOsc1:
        d.osc1.form = switchPosition(v[kWaveformOsc1], kWaveformSpan);
        break;
    case kFmAmountOsc1:
        d.osc1.fmDepth = fourthPower(v[kFmAmountOsc1]);
        break;
    case kWaveformOsc2:
        d.osc2.form = switchPosition(v[kWaveformOsc2], kWaveformSpan);
        break;
    case kFmAmountOsc2:
        d.osc2.fmDepth = fourthPower(v[kFmAmountOsc2]);
        break;
    case kFilterType:
        d.filterType = switchPosition(v[kFilterType], kFilterTypeSpan);
        break;
    case kLfo1Rate:
        d.lfo1.increment = lfoIncrement(v[kLfo1Rate], rate.rate());
        break;
    case kLfo1Amount:
        d.lfo1.depth = ModulationRouting::lfoDepth(v[kLfo1Amount]);
        break;
    case kLfo1Waveform:
        d.lfo1.waveform = switchPosition(v[kLfo1Waveform], kWaveformSpan);
        break;
    case kLfo1Destination:
        d.lfo1.destination = switchPosition(v[kLfo1Destination], kLfo1DestinationSpan);
        break;
    case kLfo2Rate:
        d.lfo2.increment = lfoIncrement(v[kLfo2Rate], rate.rate());
        break;
    case kLfo2Amount:
        d.lfo2.depth = ModulationRouting::lfoDepth(v[kLfo2Amount]);
        break;
    case kLfo2Waveform:
        d.lfo2.waveform = switchPosition(v[kLfo2Waveform], kWaveformSpan);
        break;
    case kLfo2Destination:
        d.lfo2.destination = switchPosition(v[kLfo2Destination], kLfo2DestinationSpan);
        break;
    case kAttackAmp:
        d.ampSlopes.attack = Envelope::slope(envelopeRate, v[kAttackAmp]);
        break;
    case kDecayAmp:
        d.ampSlopes.decay = Envelope::slope(envelopeRate, v[kDecayAmp]);
        break;
    case kReleaseAmp:
        // The mod envelope borrows the amp envelope's release.
        d.ampSlopes.release = Envelope::releaseSlope(envelopeRate, v[kReleaseAmp]);
        d.modSlopes.release = d.ampSlopes.release;
        break;
    case kAttackFilter:
        d.filterSlopes.attack = Envelope::slope(envelopeRate, v[kAttackFilter]);
        break;
    case kDecayFilter:
        d.filterSlopes.decay = Envelope::slope(envelopeRate, v[kDecayFilter]);
        break;
    case kReleaseFilter:
        d.filterSlopes.release = Envelope::releaseSlope(envelopeRate, v[kReleaseFilter]);
        break;
    case kModEnvAmount:
        d.modEnvDepth = fourthPower(v[kModEnvAmount]);
        break;
    case kModEnvDestination:
        d.modEnvDestination = switchPosition(v[kModEnvDestination], kModEnvDestinationSpan);
        break;
    case kAttackMod:
        d.modSlopes.attack = Envelope::slope(envelopeRate, v[kAttackMod]);
        break;
    case kDecayMod:
        d.modSlopes.decay = Envelope::slope(envelopeRate, v[kDecayMod]);
        break;
    case kLowCut:
        d.lowCut = LowCut::coefficients(v[kLowCut], rate.referenceSamplesPerSample());
        break;
    case kPortamento:
        d.glideStep = PitchLaw::glideStepFor(v[kPortamento], rate.glidePerSample());
        break;
    default:
        break;
    }
}

} // namespace tarvolin
