#include "shell/EffectBase.h"

#include "instrument/ValueText.h"
#include "shell/EditorInterface.h"

#include <cmath>
#include <cstring>

namespace tarvolin {

namespace {

constexpr VstInt32 kBaseUniqueId = fourCharCode('N', 'o', 'E', 'f');
constexpr VstInt32 kIdentifyAnswer = fourCharCode('N', 'v', 'E', 'f');

// The record's function entries. Hosts hold nothing but the record, so each
// entry finds its object through the record and never lets an exception out.

VstIntPtr VSTCALLBACK dispatchEntry(AEffect* effect, VstInt32 opcode, VstInt32 index,
                                    VstIntPtr value, void* ptr, float opt) {
    EffectBase* object = EffectBase::fromRecord(effect);
    if (object == nullptr) {
        return 0;
    }
    try {
        if (opcode == effClose) {
            object->dispatcher(opcode, index, value, ptr, opt);
            delete object;
            return 1;
        }
        return object->dispatcher(opcode, index, value, ptr, opt);
    } catch (...) {
        return 0;
    }
}

void VSTCALLBACK processEntry(AEffect* effect, float** inputs, float** outputs,
                              VstInt32 sampleFrames) {
    if (EffectBase* object = EffectBase::fromRecord(effect)) {
        object->process(inputs, outputs, sampleFrames);
    }
}

void VSTCALLBACK processReplacingEntry(AEffect* effect, float** inputs, float** outputs,
                                       VstInt32 sampleFrames) {
    if (EffectBase* object = EffectBase::fromRecord(effect)) {
        object->processReplacing(inputs, outputs, sampleFrames);
    }
}

void VSTCALLBACK setParameterEntry(AEffect* effect, VstInt32 index, float value) {
    if (EffectBase* object = EffectBase::fromRecord(effect)) {
        try {
            object->setParameter(index, value);
        } catch (...) {
        }
    }
}

float VSTCALLBACK getParameterEntry(AEffect* effect, VstInt32 index) {
    EffectBase* object = EffectBase::fromRecord(effect);
    return object != nullptr ? object->getParameter(index) : 0.0f;
}

} // namespace

bool opcodeNeedsPointer(VstInt32 opcode) {
    switch (opcode) {
    case effSetProgramName:
    case effGetProgramName:
    case effGetParamLabel:
    case effGetParamDisplay:
    case effGetParamName:
    case effEditGetRect:
    case effGetChunk:
    case effSetChunk:
    case effProcessEvents:
    case effString2Parameter:
    case effGetProgramNameIndexed:
    case effGetInputProperties:
    case effGetOutputProperties:
    case effGetEffectName:
    case effGetErrorText:
    case effGetVendorString:
    case effGetProductString:
    case effCanDo:
    case effGetParameterProperties:
        return true;
    default:
        return false;
    }
}

EffectBase::EffectBase(audioMasterCallback hostCallback, VstInt32 numPrograms, VstInt32 numParams)
    : hostCallback(hostCallback), numPrograms(numPrograms), numParams(numParams) {
    std::memset(&cEffect, 0, sizeof cEffect);
    cEffect.magic = kEffectMagic;
    cEffect.dispatcher = dispatchEntry;
    cEffect.process = processEntry;
    cEffect.setParameter = setParameterEntry;
    cEffect.getParameter = getParameterEntry;
    cEffect.numPrograms = numPrograms;
    cEffect.numParams = numParams;
    cEffect.numInputs = 1;
    cEffect.numOutputs = 2;
    cEffect.ioRatio = 1.0f;
    cEffect.object = this;
    cEffect.uniqueID = kBaseUniqueId;
    cEffect.version = 1;
    cEffect.processReplacing = processReplacingEntry;
}

EffectBase::~EffectBase() {
    delete editor;
}

EffectBase* EffectBase::fromRecord(AEffect* effect) {
    if (effect == nullptr || effect->magic != kEffectMagic) {
        return nullptr;
    }
    return static_cast<EffectBase*>(effect->object);
}

VstIntPtr EffectBase::callHost(VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr,
                               float opt) const {
    if (hostCallback == nullptr) {
        return 0;
    }
    return hostCallback(const_cast<AEffect*>(&cEffect), opcode, index, value, ptr, opt);
}

void EffectBase::setFlag(VstInt32 flag, bool state) {
    if (state) {
        cEffect.flags |= flag;
    } else {
        cEffect.flags &= ~flag;
    }
}

void EffectBase::setEditor(EditorInterface* newEditor) {
    editor = newEditor;
    setFlag(effFlagsHasEditor, newEditor != nullptr);
}

VstIntPtr EffectBase::dispatcher(VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr,
                                 float opt) {
    if (ptr == nullptr && opcodeNeedsPointer(opcode)) {
        return 0;
    }
    switch (opcode) {
    case effOpen:
        open();
        return 0;
    case effClose:
        close();
        return 0;
    case effSetProgram:
        if (value >= 0 && value < numPrograms) {
            setProgram(static_cast<VstInt32>(value));
        }
        return 0;
    case effGetProgram:
        return getProgram();
    case effSetProgramName:
        setProgramName(static_cast<char*>(ptr));
        return 0;
    case effGetProgramName:
        getProgramName(static_cast<char*>(ptr));
        return 0;
    case effGetParamLabel:
        getParameterLabel(index, static_cast<char*>(ptr));
        return 0;
    case effGetParamDisplay:
        getParameterDisplay(index, static_cast<char*>(ptr));
        return 0;
    case effGetParamName:
        getParameterName(index, static_cast<char*>(ptr));
        return 0;
    case effGetVu: {
        const double level = getVu() * 32767.0;
        return std::isfinite(level) ? static_cast<VstIntPtr>(std::lrint(level)) : 0;
    }
    case effSetSampleRate:
        setSampleRate(opt);
        return 0;
    case effSetBlockSize:
        setBlockSize(static_cast<VstInt32>(value));
        return 0;
    case effMainsChanged:
        if (value == 0) {
            suspend();
        } else {
            resume();
        }
        return 0;
    case effEditGetRect:
        return editor != nullptr ? editor->getRect(static_cast<ERect**>(ptr)) : 0;
    case effEditOpen:
        return editor != nullptr ? editor->open(ptr) : 0;
    case effEditClose:
        if (editor != nullptr) {
            editor->close();
        }
        return 0;
    case effEditIdle:
        if (editor != nullptr) {
            editor->idle();
        }
        return 0;
    case effIdentify:
        return kIdentifyAnswer;
    case effGetChunk:
        return getChunk(static_cast<void**>(ptr), index != 0);
    case effSetChunk:
        return setChunk(ptr, static_cast<VstInt32>(value), index != 0);
    default:
        return 0;
    }
}

void EffectBase::setParameter(VstInt32 /*index*/, float /*value*/) {}
float EffectBase::getParameter(VstInt32 /*index*/) {
    return 0.0f;
}

void EffectBase::setParameterAutomated(VstInt32 index, float value) {
    setParameter(index, value);
    callHost(audioMasterAutomate, index, 0, nullptr, value);
}

void EffectBase::processReplacing(float** /*inputs*/, float** /*outputs*/, VstInt32 /*frames*/) {}
void EffectBase::open() {}
void EffectBase::close() {}
VstInt32 EffectBase::getProgram() {
    return currentProgram;
}
void EffectBase::setProgram(VstInt32 program) {
    currentProgram = program;
}
void EffectBase::setProgramName(char* name) {
    *name = '\0';
}
void EffectBase::getProgramName(char* name) {
    *name = '\0';
}
void EffectBase::getParameterLabel(VstInt32 /*index*/, char* label) {
    *label = '\0';
}
void EffectBase::getParameterDisplay(VstInt32 /*index*/, char* text) {
    *text = '\0';
}
void EffectBase::getParameterName(VstInt32 /*index*/, char* text) {
    *text = '\0';
}
float EffectBase::getVu() {
    return 0.0f;
}
VstInt32 EffectBase::getChunk(void** /*data*/, bool /*isPreset*/) {
    return 0;
}
VstInt32 EffectBase::setChunk(void* /*data*/, VstInt32 /*byteSize*/, bool /*isPreset*/) {
    return 0;
}

void EffectBase::setSampleRate(float newSampleRate) {
    // A rate every text conversion can divide by; anything else keeps the last good one.
    if (std::isfinite(newSampleRate) && newSampleRate > 0.0f) {
        sampleRate = newSampleRate;
    }
}

void EffectBase::setBlockSize(VstInt32 newBlockSize) {
    blockSize = newBlockSize;
}
void EffectBase::suspend() {}
void EffectBase::resume() {}
void EffectBase::setUniqueId(VstInt32 id) {
    cEffect.uniqueID = id;
}
void EffectBase::setNumInputs(VstInt32 inputs) {
    cEffect.numInputs = inputs;
}
void EffectBase::setNumOutputs(VstInt32 outputs) {
    cEffect.numOutputs = outputs;
}
void EffectBase::setHasVu(bool state) {
    setFlag(effFlagsHasVu, state);
}
void EffectBase::setHasClip(bool state) {
    setFlag(effFlagsHasClip, state);
}
void EffectBase::setCanMono(bool state) {
    setFlag(effFlagsCanMono, state);
}
void EffectBase::setCanReplacing(bool state) {
    setFlag(effFlagsCanReplacing, state);
}
void EffectBase::setProgramChunks(bool state) {
    setFlag(effFlagsProgramChunks, state);
}
void EffectBase::setRealtimeQualities(VstInt32 qualities) {
    cEffect.realQualities = qualities;
}
void EffectBase::setOfflineQualities(VstInt32 qualities) {
    cEffect.offQualities = qualities;
}
void EffectBase::setInitialDelay(VstInt32 delay) {
    cEffect.initialDelay = delay;
}
float EffectBase::getSampleRate() {
    return sampleRate;
}
VstInt32 EffectBase::getBlockSize() {
    return blockSize;
}

VstIntPtr EffectBase::hostVersion() {
    const VstIntPtr version = callHost(audioMasterVersion);
    return version != 0 ? version : 1;
}

VstIntPtr EffectBase::hostCurrentId() {
    return callHost(audioMasterCurrentId);
}
void EffectBase::hostIdle() {
    callHost(audioMasterIdle);
}

// Hosts that do not know the request answer 0, which must not read as "unplugged".
bool EffectBase::isInputConnected(VstInt32 input) {
    return callHost(audioMasterPinConnected, input, 0) == 0;
}

bool EffectBase::isOutputConnected(VstInt32 output) {
    return callHost(audioMasterPinConnected, output, 1) == 0;
}

void EffectBase::decibelsToText(float value, char* text) {
    tarvolin::decibelsToText(value, text);
}
void EffectBase::hertzToText(float samples, char* text) {
    tarvolin::hertzToText(samples, getSampleRate(), text);
}
void EffectBase::millisecondsToText(float samples, char* text) {
    tarvolin::millisecondsToText(samples, getSampleRate(), text);
}
void EffectBase::floatToText(float value, char* text) {
    tarvolin::floatToText(value, text);
}
void EffectBase::integerToText(VstInt32 value, char* text) {
    tarvolin::integerToText(value, text);
}

} // namespace tarvolin
