#include "instrument/ParameterTable.h"

namespace tarvolin {

namespace {
constexpr const char* kUnnamed = "Param";
}

const std::array<ParameterInfo, kNumParameters> kParameterTable = {{
    {"VOLUME", 0.5f},
    {"MASTERPITCH", 0.5f},
    {"NOISEVOLUME", 0.0f},
    {"Not Used", 0.0f},
    {"PITCHRAMP", 0.0f},
    {"VOLUMEOSC1", 0.5f},
    {"WAVEFORMOSC1", 0.0f},
    {"FMAMOUNTOSC1", 0.0f},
    {"VOLUMEOSC2", 0.5f},
    {"TUNEOSC2", 0.5f},
    {"FINETUNEOSC2", 0.5f},
    {"WAVEFORMOSC2", 0.0f},
    {"FMAMOUNTOSC2", 0.0f},
    {"PWAMOUNTOSC2", 0.0f},
    {"CUTOFF", 1.0f},
    {"RESONANCE", 0.0f},
    {kUnnamed, 0.0f}, // filter type
    {kUnnamed, 0.0f}, // key follow
    {"LFO1RATE", 0.0f},
    {"LFO1AMOUNT", 0.5f},
    {"LFO1WAVEFORM", 0.0f},
    {"LFO1DESTINATION", 0.0f},
    {kUnnamed, 0.0f}, // LFO 1 restart
    {"LFO2RATE", 0.0f},
    {"LFO2AMOUNT", 0.5f},
    {"LFO2WAVEFORM", 0.0f},
    {"LFO2DESTINATION", 0.0f},
    {kUnnamed, 0.0f}, // LFO 2 restart
    {"ATTACKAMP", 0.0f},
    {"DECAYAMP ", 1.0f},
    {"SUSTAINAMP ", 0.0f},
    {"RELEASEAMP ", 0.0f},
    {kUnnamed, 0.0f},
    {"ADSRFILTERINTENSION", 0.0f},
    {"ATTACKFIL", 0.0f},
    {"DECAYFIL ", 0.0f},
    {"SUSTAINFIL ", 0.0f},
    {"RELEASEFIL ", 0.0f},
    {"ADSRSPECINTENSION", 0.0f},
    {"ADSRPECDESTINATION", 0.0f},
    {"ADSRPECINVERSE ", 0.0f},
    {"ATTACKSPEC ", 0.0f},
    {"DECAYSPEC ", 0.0f},
    {"LOWCUT", 1.0f},
    {kUnnamed, 0.0f}, // portamento
    {kUnnamed, 0.0f}, // controller learning
    {"ECHOVOLUME", 0.0f},
    {"ECHOFEEDBACK", 0.0f},
    {"ECHODELAYTIME", 0.0f},
    {"w no NoteOff", 0.0f},
    {"kChannel", 0.0f},
    {"kSaveData", 0.0f},
}};

const char* parameterName(int index) {
    if (index < 0 || index >= kNumParameters) {
        return kUnnamed;
    }
    return kParameterTable[static_cast<std::size_t>(index)].name;
}

} // namespace tarvolin
