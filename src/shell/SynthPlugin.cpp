#include "shell/SynthPlugin.h"

#include "instrument/ParameterTable.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace tarvolin {

namespace {

constexpr int kNumOutputs = 2;

} // namespace

SynthPlugin::SynthPlugin(audioMasterCallback hostCallback)
    : EffectBaseExt(hostCallback, kNumPrograms, kNumParameters), instrument(getSampleRate()) {
    instrument.setListener(this);
    setProgramChunks(true);
    if (hasHost()) {
        setNumInputs(0);
        setNumOutputs(kNumOutputs);
        setCanReplacing(true);
        setHasVu(false);
        setHasClip(false);
        setIsSynth(true);
    }
}

SynthPlugin::~SynthPlugin() {
    instrument.setListener(nullptr);
}

void SynthPlugin::valueStored(int /*channel*/, int /*index*/, float /*value*/) {}

void SynthPlugin::channelSelected(int /*channel*/) {
    hostUpdateDisplay();
}

void SynthPlugin::setParameter(VstInt32 index, float value) {
    instrument.setValue(index, value);
}

float SynthPlugin::getParameter(VstInt32 index) {
    return instrument.value(index);
}

void SynthPlugin::getParameterName(VstInt32 index, char* text) {
    std::strcpy(text, parameterName(index));
}

void SynthPlugin::getParameterLabel(VstInt32 /*index*/, char* /*label*/) {
    // No units: the host's buffer is left as the host filled it.
}

void SynthPlugin::getParameterDisplay(VstInt32 index, char* text) {
    const DisplayText shown = instrument.displayText(index);
    std::strcpy(text, shown.data());
}

void SynthPlugin::setProgram(VstInt32 program) {
    instrument.programs().select(program);
    currentProgram = instrument.programs().current();
}

void SynthPlugin::setProgramName(char* name) {
    instrument.programs().setCurrentName(name);
}

void SynthPlugin::getProgramName(char* name) {
    instrument.programs().copyCurrentName(name);
}

bool SynthPlugin::getProgramNameIndexed(VstInt32 /*category*/, VstInt32 index, char* text) {
    return instrument.programs().copyName(index, text);
}

bool SynthPlugin::copyProgram(VstInt32 destination) {
    return instrument.programs().copyCurrentTo(destination);
}

VstInt32 SynthPlugin::getChunk(void** data, bool /*isPreset*/) {
    const std::span<const std::byte> state = instrument.state();
    // Handed over in place; hosts only read it.
    *data = const_cast<std::byte*>(state.data());
    return static_cast<VstInt32>(state.size());
}

VstInt32 SynthPlugin::setChunk(void* data, VstInt32 byteSize, bool /*isPreset*/) {
    const auto size = static_cast<std::size_t>(std::max<VstInt32>(byteSize, 0));
    return instrument.restoreState({static_cast<const std::byte*>(data), size}) ? 1 : 0;
}

void SynthPlugin::resume() {
    hostWantMidi();
}

// Hosts change the rate suspended or not, from any thread. A rate the engine
// cannot run at is refused altogether, so what the host reads back is what sounds.
void SynthPlugin::setSampleRate(float newSampleRate) {
    if (instrument.setSampleRate(newSampleRate)) {
        EffectBaseExt::setSampleRate(newSampleRate);
    }
}

VstInt32 SynthPlugin::processEvents(VstEvents* events) {
    instrument.startEvents();
    // The host's list runs on past the two entries the record declares.
    VstEvent* const* const list = events->events;
    for (VstInt32 i = 0; i < events->numEvents; ++i) {
        const VstEvent* event = list[i];
        if (event == nullptr || event->type != kVstMidiType) {
            continue;
        }
        VstMidiEvent midi;
        std::memcpy(&midi, event, sizeof midi);
        MidiEvent received{midi.deltaFrames, {}};
        std::memcpy(received.bytes.data(), midi.midiData, received.bytes.size());
        instrument.receiveEvent(received);
    }
    return 1;
}

void SynthPlugin::processReplacing(float** /*inputs*/, float** outputs, VstInt32 sampleFrames) {
    if (sampleFrames <= 0 || outputs == nullptr) {
        return;
    }
    float* left = outputs[0];
    float* right = outputs[1];
    instrument.render(left != nullptr ? left : right, sampleFrames);
    if (left != nullptr && right != nullptr) {
        std::copy(left, left + sampleFrames, right);
    }
}

// Instruments write their whole output; there is nothing to accumulate into.
void SynthPlugin::process(float** inputs, float** outputs, VstInt32 sampleFrames) {
    processReplacing(inputs, outputs, sampleFrames);
}

bool SynthPlugin::getOutputProperties(VstInt32 index, VstPinProperties* properties) {
    if (index < 0 || index >= kNumOutputs) {
        return false;
    }
    std::snprintf(properties->label, sizeof properties->label, "Vstx %1d", index + 1);
    properties->flags = kVstPinIsActive | kVstPinIsStereo;
    return true;
}

bool SynthPlugin::getEffectName(char* name) {
    std::strcpy(name, Instrument::kName);
    return true;
}

bool SynthPlugin::getVendorString(char* text) {
    std::strcpy(text, Instrument::kVendor);
    return true;
}

bool SynthPlugin::getProductString(char* text) {
    std::strcpy(text, Instrument::kName);
    return true;
}

VstInt32 SynthPlugin::getVendorVersion() {
    return 1;
}

VstInt32 SynthPlugin::canDo(char* text) {
    for (const char* capability : {"receiveVstEvents", "receiveVstMidiEvent"}) {
        if (std::strcmp(text, capability) == 0) {
            return 1;
        }
    }
    return -1;
}

} // namespace tarvolin
