#pragma once

#include "instrument/MidiEventQueue.h"
#include "instrument/ParameterStore.h"
#include "instrument/ProgramRecord.h"
#include "instrument/TuneExport.h"
#include "shell/EffectBaseExt.h"

#include <memory>

namespace tarvolin {

class SynthEngine;

// The instrument: 52 parameters on each of 16 MIDI channels, five programs
// whose current one is also the chunk, sample-exact MIDI, and the tune export.
class SynthPlugin : public EffectBaseExt {
public:
    explicit SynthPlugin(audioMasterCallback hostCallback);
    ~SynthPlugin() override;

    void setParameter(VstInt32 index, float value) override;
    float getParameter(VstInt32 index) override;
    void process(float** inputs, float** outputs, VstInt32 sampleFrames) override;
    void processReplacing(float** inputs, float** outputs, VstInt32 sampleFrames) override;
    void setProgram(VstInt32 program) override;
    void setProgramName(char* name) override;
    void getProgramName(char* name) override;
    void getParameterLabel(VstInt32 index, char* label) override;
    void getParameterDisplay(VstInt32 index, char* text) override;
    void getParameterName(VstInt32 index, char* text) override;
    VstInt32 getChunk(void** data, bool isPreset) override;
    VstInt32 setChunk(void* data, VstInt32 byteSize, bool isPreset) override;
    void resume() override;
    void setSampleRate(float newSampleRate) override;
    VstInt32 processEvents(VstEvents* events) override;
    bool getProgramNameIndexed(VstInt32 category, VstInt32 index, char* text) override;
    bool copyProgram(VstInt32 destination) override;
    bool getOutputProperties(VstInt32 index, VstPinProperties* properties) override;
    bool getEffectName(char* name) override;
    bool getVendorString(char* text) override;
    bool getProductString(char* text) override;
    VstInt32 getVendorVersion() override;
    VstInt32 canDo(char* text) override;

    int getCurrentChannel() const { return parameters.currentChannel(); }
    int getLastParameter() const { return parameters.lastParameter(); }

protected:
    // Every store of a value on a channel comes through here: from the host
    // and the editor on the current channel, from MIDI controllers on theirs,
    // from a program load and a channel switch on each channel they reload.
    // Layers above follow the values by overriding it.
    virtual void setChannelParameter(int channel, VstInt32 index, float value);

    ProgramRecord& currentProgramRecord() { return parameters.program(); }

private:
    void switchChannel(float value);
    void dispatchDueEvents();
    void discardStretch(int frames);
    void handleEvent(const VstMidiEvent& event);
    void handleController(int channel, int controller, int value);

    MidiEventQueue eventQueue;
    std::unique_ptr<SynthEngine> engine;
    std::unique_ptr<ProgramRecord[]> programs;
    ParameterStore parameters;
    float previousEventTime = 0.0f;
    TuneExport tuneExport;
};

} // namespace tarvolin
