#include "engine/Modulation.h"

#include "engine/EngineMath.h"

namespace tarvolin {

float ModulationRouting::lfoDepth(float amount) noexcept {
    return fourthPower((amount - 0.5f) * 2.0f);
}

void ModulationRouting::routeLfo1(ModulationSums& sums, float value, float depth,
                                  long destination) noexcept {
    // The (v + 1) destinations only ever add, from 0 to 2 * depth; the pitch
    // destinations swing both ways.
    switch (destination) {
    case 0:
        sums.fm2 += 0.5f * (value + 1.0f) * depth;
        break;
    case 1:
        sums.pitch2 += kPitchRange * value * depth;
        break;
    case 2:
        sums.pw1 += (value + 1.0f) * depth;
        sums.pw2 += (value + 1.0f) * depth;
        break;
    case 3:
        sums.pitch1 += kPitchRange * value * depth;
        sums.pitch2 += kPitchRange * value * depth;
        break;
    case 4:
        sums.cutoffMod += 0.5f * (value + 1.0f) * depth;
        break;
    default:
        break;
    }
}

void ModulationRouting::routeLfo2(ModulationSums& sums, float value, float depth, float amount,
                                  long destination) noexcept {
    switch (destination) {
    case 0:
        sums.pitch1 += kPitchRange * value * depth;
        sums.pitch2 += kPitchRange * value * depth;
        break;
    case 1:
        sums.ampMod -= (value + 1.0f) * (amount - 0.5f);
        break;
    case 2:
        sums.cutoffMod += 0.5f * (value + 1.0f) * depth;
        break;
    default:
        break;
    }
}

void ModulationRouting::routeModEnvelope(ModulationSums& sums, float amount,
                                         long destination) noexcept {
    switch (destination) {
    case 0:
        sums.pitch2 += kPitchRange * amount;
        break;
    case 1:
        sums.fm2 += amount;
        break;
    case 2:
        sums.pw1 += amount;
        sums.pw2 += amount;
        break;
    default:
        break;
    }
}

} // namespace tarvolin
