#pragma once

#include "shell/EffectBase.h"

struct VstTimeInfo;

namespace tarvolin {

// The VST 2.0 layer: the opcodes from 25 on, their defaults, and the further
// host requests of that version of the interface.
class EffectBaseExt : public EffectBase {
public:
    EffectBaseExt(audioMasterCallback hostCallback, VstInt32 numPrograms, VstInt32 numParams);

    VstIntPtr dispatcher(VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr,
                         float opt) override;

    virtual void hostWantMidi();
    virtual VstTimeInfo* hostGetTime(VstInt32 filter);
    virtual VstIntPtr hostTempoAt(VstInt32 position);
    virtual VstInt32 processEvents(VstEvents* events);
    virtual VstIntPtr hostNumAutomatableParameters();
    virtual VstIntPtr hostParameterQuantization();
    virtual bool canBeAutomated(VstInt32 index);
    virtual bool stringToParameter(VstInt32 index, char* text);
    virtual float getChannelParameter(VstInt32 channel, VstInt32 index);
    virtual VstInt32 getNumCategories();
    virtual bool getProgramNameIndexed(VstInt32 category, VstInt32 index, char* text);
    virtual bool copyProgram(VstInt32 destination);
    virtual bool hostIoChanged();
    virtual bool hostNeedIdle();
    virtual bool hostSizeWindow(VstInt32 width, VstInt32 height);
    virtual float hostSampleRate();
    virtual VstInt32 hostBlockSize();
    virtual VstIntPtr hostInputLatency();
    virtual VstIntPtr hostOutputLatency();
    virtual VstIntPtr hostPreviousPlug();
    virtual VstIntPtr hostNextPlug();
    virtual void inputConnected(VstInt32 index, bool state);
    virtual void outputConnected(VstInt32 index, bool state);
    virtual bool getInputProperties(VstInt32 index, VstPinProperties* properties);
    virtual bool getOutputProperties(VstInt32 index, VstPinProperties* properties);
    virtual VstInt32 getPlugCategory();
    virtual VstIntPtr hostWillReplaceOrAccumulate();
    virtual VstIntPtr hostCurrentProcessLevel();
    virtual VstIntPtr hostAutomationState();
    virtual void setExtIsAsync(bool state);
    virtual void setExtHasBuffer(bool state);
    virtual VstIntPtr reportCurrentPosition();
    virtual float* reportDestinationBuffer();
    virtual bool hostOfflineRead(void* task, VstInt32 option, bool readSource);
    virtual bool hostOfflineWrite(void* task, VstInt32 option);
    virtual bool hostOfflineStart(void* files, VstInt32 count, VstInt32 newCount);
    virtual bool hostOfflineCurrentPass();
    virtual bool hostOfflineCurrentMetaPass();
    virtual bool offlineNotify(void* files, VstInt32 count, bool start);
    virtual bool offlinePrepare(void* tasks, VstInt32 count);
    virtual bool offlineRun(void* tasks, VstInt32 count);
    virtual VstInt32 offlineNumPasses();
    virtual VstInt32 offlineNumMetaPasses();
    virtual VstIntPtr hostSetOutputSampleRate(float rate);
    virtual bool hostSpeakerArrangement(void* input, void* output);
    virtual bool hostVendorString(char* text);
    virtual bool hostProductString(char* text);
    virtual VstIntPtr hostVendorVersion();
    virtual VstIntPtr hostVendorSpecific(VstInt32 index, VstIntPtr value, void* ptr, float opt);
    virtual bool hostCanDo(char* text);
    virtual void setIsSynth(bool state);
    virtual void setNoSoundInStop(bool state);
    virtual VstIntPtr hostLanguage();
    virtual void* hostOpenWindow(VstWindow* window);
    virtual bool hostCloseWindow(VstWindow* window);
    virtual void* hostDirectory();
    virtual bool hostUpdateDisplay();
    virtual bool processVariableIo(void* varIo);
    virtual bool setSpeakerArrangement(void* input, void* output);
    virtual void setBlockSizeAndSampleRate(VstInt32 newBlockSize, float newSampleRate);
    virtual bool setBypass(bool state);
    virtual bool getEffectName(char* name);
    virtual bool getErrorText(char* text);
    virtual bool getVendorString(char* text);
    virtual bool getProductString(char* text);
    virtual VstInt32 getVendorVersion();
    virtual VstIntPtr vendorSpecific(VstInt32 index, VstIntPtr value, void* ptr, float opt);
    virtual VstInt32 canDo(char* text);
    virtual void* getIcon();
    virtual bool setViewPosition(VstInt32 x, VstInt32 y);
    virtual VstInt32 getTailSize();
    virtual VstInt32 idle();
    virtual bool getParameterProperties(VstInt32 index, void* properties);
    virtual bool keysRequired();
    virtual VstInt32 getVstVersion();
};

} // namespace tarvolin
