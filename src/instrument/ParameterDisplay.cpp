#include "instrument/ParameterDisplay.h"

#include "engine/EngineMath.h"
#include "instrument/ParameterStore.h"
#include "instrument/ValueText.h"

namespace tarvolin {

DisplayText displayText(const ParameterStore& parameters, int exportState, int index) {
    DisplayText text{};
    // Values the text cannot hold leave it as it was: showing 0.
    floatToText(0.0f, text.data());
    if (index < 0 || index >= kNumParameters) {
        return text;
    }
    const int channel = parameters.currentChannel();
    // The switches show their own numbers over the value, where those fit.
    floatToText(parameters.value(channel, index), text.data());
    switch (index) {
    case kNoNoteOff:
        floatToText(parameters.programValue(channel, kNoNoteOff), text.data());
        break;
    case kChannel:
        floatToText(static_cast<float>(channel), text.data());
        break;
    case kSaveData:
        floatToText(static_cast<float>(exportState), text.data());
        break;
    default:
        break;
    }
    return text;
}

DisplayText displayTextOf(int index, float value) {
    DisplayText text{};
    floatToText(0.0f, text.data());
    switch (index) {
    case kNoNoteOff:
        floatToText(roundToWhole(value), text.data());
        break;
    case kChannel:
        floatToText(static_cast<float>(channelFor(value)), text.data());
        break;
    case kSaveData:
        floatToText(static_cast<float>(roundToInt(static_cast<double>(value))), text.data());
        break;
    default:
        if (index >= 0 && index < kNumParameters) {
            floatToText(value, text.data());
        }
        break;
    }
    return text;
}

int channelFor(float value) {
    const int channel = roundToInt(static_cast<double>(value) * 15.0);
    return channel < 0 ? 0 : (channel >= kNumChannels ? kNumChannels - 1 : channel);
}

} // namespace tarvolin
