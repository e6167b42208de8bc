#include "shell/EffectBaseExt.h"

namespace tarvolin {

EffectBaseExt::EffectBaseExt(audioMasterCallback hostCallback, VstInt32 numPrograms,
                             VstInt32 numParams)
    : EffectBase(hostCallback, numPrograms, numParams) {}

VstIntPtr EffectBaseExt::dispatcher(VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr,
                                    float opt) {
    if (ptr == nullptr && opcodeNeedsPointer(opcode)) {
        return 0;
    }
    const auto text = static_cast<char*>(ptr);
    switch (opcode) {
    case effProcessEvents:
        return processEvents(static_cast<VstEvents*>(ptr));
    case effCanBeAutomated:
        return canBeAutomated(index) ? 1 : 0;
    case effString2Parameter:
        return stringToParameter(index, text) ? 1 : 0;
    case effGetNumProgramCategories:
        return getNumCategories();
    case effGetProgramNameIndexed:
        return getProgramNameIndexed(static_cast<VstInt32>(value), index, text) ? 1 : 0;
    case effCopyProgram:
        return copyProgram(index) ? 1 : 0;
    case effConnectInput:
        inputConnected(index, value != 0);
        return 1;
    case effConnectOutput:
        outputConnected(index, value != 0);
        return 1;
    case effGetInputProperties:
        return getInputProperties(index, static_cast<VstPinProperties*>(ptr)) ? 1 : 0;
    case effGetOutputProperties:
        return getOutputProperties(index, static_cast<VstPinProperties*>(ptr)) ? 1 : 0;
    case effGetPlugCategory:
        return getPlugCategory();
    case effGetCurrentPosition:
        return reportCurrentPosition();
    case effGetDestinationBuffer:
        return reinterpret_cast<VstIntPtr>(reportDestinationBuffer());
    case effOfflineNotify:
        return offlineNotify(ptr, static_cast<VstInt32>(value), index != 0) ? 1 : 0;
    case effOfflinePrepare:
        return offlinePrepare(ptr, static_cast<VstInt32>(value)) ? 1 : 0;
    case effOfflineRun:
        return offlineRun(ptr, static_cast<VstInt32>(value)) ? 1 : 0;
    case effProcessVarIo:
        return processVariableIo(ptr) ? 1 : 0;
    case effSetSpeakerArrangement:
        return setSpeakerArrangement(reinterpret_cast<void*>(value), ptr) ? 1 : 0;
    case effSetBlockSizeAndSampleRate:
        setBlockSizeAndSampleRate(static_cast<VstInt32>(value), opt);
        return 1;
    case effSetBypass:
        return setBypass(value != 0) ? 1 : 0;
    case effGetEffectName:
        return getEffectName(text) ? 1 : 0;
    case effGetErrorText:
        return getErrorText(text) ? 1 : 0;
    case effGetVendorString:
        return getVendorString(text) ? 1 : 0;
    case effGetProductString:
        return getProductString(text) ? 1 : 0;
    case effGetVendorVersion:
        return getVendorVersion();
    case effVendorSpecific:
        return vendorSpecific(index, value, ptr, opt);
    case effCanDo:
        return canDo(text);
    case effGetTailSize:
        return getTailSize();
    case effIdle:
        return idle();
    case effGetIcon:
        return reinterpret_cast<VstIntPtr>(getIcon());
    case effSetViewPosition:
        return setViewPosition(index, static_cast<VstInt32>(value)) ? 1 : 0;
    case effGetParameterProperties:
        return getParameterProperties(index, ptr) ? 1 : 0;
    case effKeysRequired:
        return keysRequired() ? 0 : 1;
    case effGetVstVersion:
        return getVstVersion();
    default:
        return EffectBase::dispatcher(opcode, index, value, ptr, opt);
    }
}

void EffectBaseExt::hostWantMidi() {
    callHost(audioMasterWantMidi, 0, 1);
}

VstTimeInfo* EffectBaseExt::hostGetTime(VstInt32 filter) {
    return reinterpret_cast<VstTimeInfo*>(callHost(audioMasterGetTime, 0, filter));
}

VstIntPtr EffectBaseExt::hostTempoAt(VstInt32 position) {
    return callHost(audioMasterTempoAt, 0, position);
}

VstInt32 EffectBaseExt::processEvents(VstEvents* /*events*/) {
    return 0;
}

VstIntPtr EffectBaseExt::hostNumAutomatableParameters() {
    return callHost(audioMasterGetNumAutomatableParameters);
}

VstIntPtr EffectBaseExt::hostParameterQuantization() {
    return callHost(audioMasterGetParameterQuantization);
}

bool EffectBaseExt::canBeAutomated(VstInt32 /*index*/) {
    return true;
}
bool EffectBaseExt::stringToParameter(VstInt32 /*index*/, char* /*text*/) {
    return false;
}
float EffectBaseExt::getChannelParameter(VstInt32 /*channel*/, VstInt32 /*index*/) {
    return 0.0f;
}
VstInt32 EffectBaseExt::getNumCategories() {
    return 1;
}

bool EffectBaseExt::getProgramNameIndexed(VstInt32 /*category*/, VstInt32 /*index*/,
                                          char* /*text*/) {
    return false;
}

bool EffectBaseExt::copyProgram(VstInt32 /*destination*/) {
    return false;
}
bool EffectBaseExt::hostIoChanged() {
    return callHost(audioMasterIOChanged) != 0;
}
bool EffectBaseExt::hostNeedIdle() {
    return callHost(audioMasterNeedIdle) != 0;
}

bool EffectBaseExt::hostSizeWindow(VstInt32 width, VstInt32 height) {
    return callHost(audioMasterSizeWindow, width, height) != 0;
}

// The effect's own figures are the ones it works with; the host only learns that it asked.
float EffectBaseExt::hostSampleRate() {
    callHost(audioMasterGetSampleRate);
    return getSampleRate();
}

VstInt32 EffectBaseExt::hostBlockSize() {
    callHost(audioMasterGetBlockSize);
    return getBlockSize();
}

VstIntPtr EffectBaseExt::hostInputLatency() {
    return callHost(audioMasterGetInputLatency);
}
VstIntPtr EffectBaseExt::hostOutputLatency() {
    return callHost(audioMasterGetOutputLatency);
}
VstIntPtr EffectBaseExt::hostPreviousPlug() {
    return callHost(audioMasterGetPreviousPlug);
}
VstIntPtr EffectBaseExt::hostNextPlug() {
    return callHost(audioMasterGetNextPlug);
}
void EffectBaseExt::inputConnected(VstInt32 /*index*/, bool /*state*/) {}
void EffectBaseExt::outputConnected(VstInt32 /*index*/, bool /*state*/) {}

bool EffectBaseExt::getInputProperties(VstInt32 /*index*/, VstPinProperties* /*properties*/) {
    return false;
}

bool EffectBaseExt::getOutputProperties(VstInt32 /*index*/, VstPinProperties* /*properties*/) {
    return false;
}

VstInt32 EffectBaseExt::getPlugCategory() {
    return (cEffect.flags & effFlagsIsSynth) != 0 ? kPlugCategSynth : kPlugCategUnknown;
}

VstIntPtr EffectBaseExt::hostWillReplaceOrAccumulate() {
    return callHost(audioMasterWillReplaceOrAccumulate);
}

VstIntPtr EffectBaseExt::hostCurrentProcessLevel() {
    return callHost(audioMasterGetCurrentProcessLevel);
}

VstIntPtr EffectBaseExt::hostAutomationState() {
    return callHost(audioMasterGetAutomationState);
}
void EffectBaseExt::setExtIsAsync(bool state) {
    setFlag(effFlagsExtIsAsync, state);
}
void EffectBaseExt::setExtHasBuffer(bool state) {
    setFlag(effFlagsExtHasBuffer, state);
}
VstIntPtr EffectBaseExt::reportCurrentPosition() {
    return 0;
}
float* EffectBaseExt::reportDestinationBuffer() {
    return nullptr;
}

bool EffectBaseExt::hostOfflineRead(void* task, VstInt32 option, bool readSource) {
    return callHost(audioMasterOfflineRead, readSource ? 1 : 0, option, task) != 0;
}

bool EffectBaseExt::hostOfflineWrite(void* task, VstInt32 option) {
    return callHost(audioMasterOfflineWrite, 0, option, task) != 0;
}

bool EffectBaseExt::hostOfflineStart(void* files, VstInt32 count, VstInt32 newCount) {
    return callHost(audioMasterOfflineStart, newCount, count, files) != 0;
}

bool EffectBaseExt::hostOfflineCurrentPass() {
    return callHost(audioMasterOfflineGetCurrentPass) != 0;
}

bool EffectBaseExt::hostOfflineCurrentMetaPass() {
    return callHost(audioMasterOfflineGetCurrentMetaPass) != 0;
}

bool EffectBaseExt::offlineNotify(void* /*files*/, VstInt32 /*count*/, bool /*start*/) {
    return false;
}

bool EffectBaseExt::offlinePrepare(void* /*tasks*/, VstInt32 /*count*/) {
    return false;
}
bool EffectBaseExt::offlineRun(void* /*tasks*/, VstInt32 /*count*/) {
    return false;
}
VstInt32 EffectBaseExt::offlineNumPasses() {
    return 0;
}
VstInt32 EffectBaseExt::offlineNumMetaPasses() {
    return 0;
}

VstIntPtr EffectBaseExt::hostSetOutputSampleRate(float rate) {
    return callHost(audioMasterSetOutputSampleRate, 0, 0, nullptr, rate);
}

bool EffectBaseExt::hostSpeakerArrangement(void* input, void* output) {
    return callHost(audioMasterGetSpeakerArrangement, 0, reinterpret_cast<VstIntPtr>(input),
                    output) != 0;
}

bool EffectBaseExt::hostVendorString(char* text) {
    return callHost(audioMasterGetVendorString, 0, 0, text) != 0;
}

bool EffectBaseExt::hostProductString(char* text) {
    return callHost(audioMasterGetProductString, 0, 0, text) != 0;
}

VstIntPtr EffectBaseExt::hostVendorVersion() {
    return callHost(audioMasterGetVendorVersion);
}

VstIntPtr EffectBaseExt::hostVendorSpecific(VstInt32 index, VstIntPtr value, void* ptr, float opt) {
    return callHost(audioMasterVendorSpecific, index, value, ptr, opt);
}

bool EffectBaseExt::hostCanDo(char* text) {
    return callHost(audioMasterCanDo, 0, 0, text) != 0;
}
void EffectBaseExt::setIsSynth(bool state) {
    setFlag(effFlagsIsSynth, state);
}
void EffectBaseExt::setNoSoundInStop(bool state) {
    setFlag(effFlagsNoSoundInStop, state);
}
VstIntPtr EffectBaseExt::hostLanguage() {
    return callHost(audioMasterGetLanguage);
}

void* EffectBaseExt::hostOpenWindow(VstWindow* window) {
    return reinterpret_cast<void*>(callHost(audioMasterOpenWindow, 0, 0, window));
}

bool EffectBaseExt::hostCloseWindow(VstWindow* window) {
    return callHost(audioMasterCloseWindow, 0, 0, window) != 0;
}

void* EffectBaseExt::hostDirectory() {
    return reinterpret_cast<void*>(callHost(audioMasterGetDirectory));
}

bool EffectBaseExt::hostUpdateDisplay() {
    return callHost(audioMasterUpdateDisplay) != 0;
}
bool EffectBaseExt::processVariableIo(void* /*varIo*/) {
    return false;
}
bool EffectBaseExt::setSpeakerArrangement(void* /*input*/, void* /*output*/) {
    return false;
}

void EffectBaseExt::setBlockSizeAndSampleRate(VstInt32 newBlockSize, float newSampleRate) {
    setBlockSize(newBlockSize);
    setSampleRate(newSampleRate);
}

bool EffectBaseExt::setBypass(bool /*state*/) {
    return false;
}
bool EffectBaseExt::getEffectName(char* /*name*/) {
    return false;
}
bool EffectBaseExt::getErrorText(char* /*text*/) {
    return false;
}
bool EffectBaseExt::getVendorString(char* /*text*/) {
    return false;
}
bool EffectBaseExt::getProductString(char* /*text*/) {
    return false;
}
VstInt32 EffectBaseExt::getVendorVersion() {
    return 0;
}

VstIntPtr EffectBaseExt::vendorSpecific(VstInt32 /*index*/, VstIntPtr /*value*/, void* /*ptr*/,
                                        float /*opt*/) {
    return 0;
}

VstInt32 EffectBaseExt::canDo(char* /*text*/) {
    return 0;
}
void* EffectBaseExt::getIcon() {
    return nullptr;
}
bool EffectBaseExt::setViewPosition(VstInt32 /*x*/, VstInt32 /*y*/) {
    return false;
}
VstInt32 EffectBaseExt::getTailSize() {
    return 0;
}
VstInt32 EffectBaseExt::idle() {
    return 0;
}

bool EffectBaseExt::getParameterProperties(VstInt32 /*index*/, void* /*properties*/) {
    return false;
}

bool EffectBaseExt::keysRequired() {
    return false;
}
VstInt32 EffectBaseExt::getVstVersion() {
    return 2;
}

} // namespace tarvolin
