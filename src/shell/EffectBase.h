#pragma once

#include "shell/vst2.h"

namespace tarvolin {

class EditorInterface;

// The object behind an AEffect record: owns the record the host sees, turns
// the host's VST 1 requests into virtual operations with sensible defaults,
// and wraps the host requests every effect may make.
class EffectBase {
public:
    EffectBase(audioMasterCallback hostCallback, VstInt32 numPrograms, VstInt32 numParams);
    // Destroys the editor, after the derived layers have released their objects.
    virtual ~EffectBase();
    EffectBase(const EffectBase&) = delete;
    EffectBase& operator=(const EffectBase&) = delete;

    virtual void setParameter(VstInt32 index, float value);
    virtual float getParameter(VstInt32 index);
    virtual void setParameterAutomated(VstInt32 index, float value);
    virtual void process(float** inputs, float** outputs, VstInt32 sampleFrames) = 0;
    virtual void processReplacing(float** inputs, float** outputs, VstInt32 sampleFrames);
    virtual VstIntPtr dispatcher(VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr,
                                 float opt);
    virtual void open();
    virtual void close();
    virtual VstInt32 getProgram();
    virtual void setProgram(VstInt32 program);
    virtual void setProgramName(char* name);
    virtual void getProgramName(char* name);
    virtual void getParameterLabel(VstInt32 index, char* label);
    virtual void getParameterDisplay(VstInt32 index, char* text);
    virtual void getParameterName(VstInt32 index, char* text);
    virtual float getVu();
    virtual VstInt32 getChunk(void** data, bool isPreset);
    virtual VstInt32 setChunk(void* data, VstInt32 byteSize, bool isPreset);
    virtual void setSampleRate(float newSampleRate);
    virtual void setBlockSize(VstInt32 newBlockSize);
    virtual void suspend();
    virtual void resume();
    virtual void setUniqueId(VstInt32 id);
    virtual void setNumInputs(VstInt32 inputs);
    virtual void setNumOutputs(VstInt32 outputs);
    virtual void setHasVu(bool state);
    virtual void setHasClip(bool state);
    virtual void setCanMono(bool state);
    virtual void setCanReplacing(bool state);
    virtual void setProgramChunks(bool state);
    virtual void setRealtimeQualities(VstInt32 qualities);
    virtual void setOfflineQualities(VstInt32 qualities);
    virtual void setInitialDelay(VstInt32 delay);
    virtual float getSampleRate();
    virtual VstInt32 getBlockSize();
    virtual VstIntPtr hostVersion();
    virtual VstIntPtr hostCurrentId();
    virtual void hostIdle();
    virtual bool isInputConnected(VstInt32 input);
    virtual bool isOutputConnected(VstInt32 output);
    virtual void decibelsToText(float value, char* text);
    virtual void hertzToText(float samples, char* text);
    virtual void millisecondsToText(float samples, char* text);
    virtual void floatToText(float value, char* text);
    virtual void integerToText(VstInt32 value, char* text);

    AEffect* getAeffect() { return &cEffect; }
    EditorInterface* getEditor() const { return editor; }
    // Attaching an editor announces it to the host; attaching none withdraws it.
    void setEditor(EditorInterface* newEditor);

    // The effect behind a record, or null for a record that is not one of ours.
    static EffectBase* fromRecord(AEffect* effect);

protected:
    // Sends one request to the host; answers 0 when there is no host.
    VstIntPtr callHost(VstInt32 opcode, VstInt32 index = 0, VstIntPtr value = 0,
                       void* ptr = nullptr, float opt = 0.0f) const;
    bool hasHost() const { return hostCallback != nullptr; }
    void setFlag(VstInt32 flag, bool state);

    float sampleRate = 44100.0f;
    EditorInterface* editor = nullptr;
    audioMasterCallback hostCallback;
    VstInt32 numPrograms;
    VstInt32 numParams;
    VstInt32 currentProgram = 0;
    VstInt32 blockSize = 1024;
    AEffect cEffect;
};

// Whether a dispatcher opcode reads or writes through its pointer argument,
// so that a null pointer must be answered with 0 instead of a call.
bool opcodeNeedsPointer(VstInt32 opcode);

} // namespace tarvolin
