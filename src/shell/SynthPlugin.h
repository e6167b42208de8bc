#pragma once

#include "instrument/EditController.h"
#include "instrument/Instrument.h"
#include "instrument/InstrumentListener.h"
#include "shell/EffectBaseExt.h"

namespace tarvolin {

// The instrument as a VST 2 effect: opcodes, event lists and chunks turned
// into the instrument's calls, its stores told to the host, the editor's
// edits stored and automated.
class SynthPlugin : public EffectBaseExt, public EditController, private InstrumentListener {
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

    // The editor's edits: VST 2.0 knows no gestures, so only the values reach
    // the host, as automation.
    void beginEdit(int /*index*/) override {}
    void setEditedValue(int index, float value) override { setParameterAutomated(index, value); }
    void endEdit(int /*index*/) override {}
    float editedValue(int index) const override { return instrument.value(index); }

    int getCurrentChannel() const { return instrument.currentChannel(); }
    int getLastParameter() const { return instrument.lastParameter(); }

protected:
    // Every value the instrument stores, on whichever thread: layers above
    // follow them here.
    void valueStored(int channel, int index, float value) override;

private:
    void channelSelected(int channel) override;

    Instrument instrument;
};

} // namespace tarvolin
