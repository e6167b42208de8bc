#include "instrument/SynthPlugin.h"

#include "engine/DenormalGuard.h"
#include "engine/EngineMath.h"
#include "engine/SynthEngine.h"
#include "instrument/ChannelMessages.h"
#include "instrument/ParameterTable.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstring>

namespace tarvolin {

namespace {

constexpr int kQueueCapacity = 500;
constexpr int kNumOutputs = 2;
constexpr int kReloadedParameters = kNoNoteOff + 1; // a channel switch reloads 0..49
// MIDI controllers act on the sound settings only. A binding to the channel
// selector or the export switch stays in the record, but acting on it would
// run a host request or write a file on the audio thread.
constexpr int kLastControllable = kNoNoteOff;
constexpr const char* kEffectName = "Tarvolin";
constexpr const char* kVendorName = "Halbrook";

// Controller bindings are read on the audio thread while learning or a chunk
// may write them.
void storeRelaxed(std::int32_t& slot, std::int32_t value) {
    std::atomic_ref<std::int32_t>(slot).store(value, std::memory_order_relaxed);
}
std::int32_t loadRelaxed(std::int32_t& slot) {
    return std::atomic_ref<std::int32_t>(slot).load(std::memory_order_relaxed);
}

std::unique_ptr<ProgramRecord[]> makeDefaultPrograms() {
    auto programs = std::make_unique<ProgramRecord[]>(kNumPrograms);
    for (int p = 0; p < kNumPrograms; ++p) {
        programs[p] = ProgramRecord::makeDefault();
    }
    return programs;
}

} // namespace

SynthPlugin::SynthPlugin(audioMasterCallback hostCallback)
    : EffectBaseExt(hostCallback, kNumPrograms, kNumParameters), eventQueue(kQueueCapacity),
      engine(std::make_unique<SynthEngine>(getSampleRate())), programs(makeDefaultPrograms()),
      parameters(*engine, programs[0]) {
    SynthPlugin::setProgram(0);
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

SynthPlugin::~SynthPlugin() = default;

void SynthPlugin::setChannelParameter(int channel, VstInt32 index, float value) {
    parameters.store(channel, index, value);
}

void SynthPlugin::setParameter(VstInt32 index, float value) {
    setChannelParameter(getCurrentChannel(), index, value);
    if (index == kChannel) {
        switchChannel(value);
    } else if (index == kSaveData) {
        tuneExport.setSwitch(value, *engine);
    }
}

void SynthPlugin::switchChannel(float value) {
    // Values beyond 0..1 select the nearest channel there is.
    parameters.selectChannel(roundToInt(static_cast<double>(value) * 15.0));
    const int channel = getCurrentChannel();
    // Storing the new channel's values again shows them in the current
    // program and, in derived layers, in the editor.
    for (int i = 0; i < kReloadedParameters; ++i) {
        setChannelParameter(channel, i, parameters.value(channel, i));
    }
    hostUpdateDisplay();
}

float SynthPlugin::getParameter(VstInt32 index) {
    return parameters.value(getCurrentChannel(), index);
}

void SynthPlugin::getParameterName(VstInt32 index, char* text) {
    std::strcpy(text, parameterName(index));
}

void SynthPlugin::getParameterLabel(VstInt32 /*index*/, char* /*label*/) {
    // No units: the host's buffer is left as the host filled it.
}

void SynthPlugin::getParameterDisplay(VstInt32 index, char* text) {
    floatToText(0.0f, text);
    if (index < 0 || index >= kNumParameters) {
        return;
    }
    const int channel = getCurrentChannel();
    floatToText(getParameter(index), text);
    switch (index) {
    case kNoNoteOff:
        floatToText(parameters.programValue(channel, kNoNoteOff), text);
        break;
    case kChannel:
        floatToText(static_cast<float>(channel), text);
        break;
    case kSaveData:
        floatToText(static_cast<float>(tuneExport.state()), text);
        break;
    default:
        break;
    }
}

void SynthPlugin::setProgram(VstInt32 program) {
    if (program < 0 || program >= kNumPrograms) {
        return;
    }
    currentProgram = program;
    parameters.setProgram(programs[program]);
    // Other threads may store into the record while it is applied, so its
    // values are read one atomic access at a time.
    for (int c = 0; c < kNumChannels; ++c) {
        for (int i = 0; i < kReloadedParameters; ++i) {
            setChannelParameter(c, i, parameters.programValue(c, i));
        }
        // The channel selector and the export switch are stored without acting
        // on them: mid-load they would re-select a channel or start an export.
        for (int i = kChannel; i < kNumParameters; ++i) {
            parameters.storeQuietly(c, i, parameters.programValue(c, i));
        }
    }
}

void SynthPlugin::setProgramName(char* name) {
    currentProgramRecord().setName(name);
}

void SynthPlugin::getProgramName(char* name) {
    currentProgramRecord().copyName(name);
}

bool SynthPlugin::getProgramNameIndexed(VstInt32 /*category*/, VstInt32 index, char* text) {
    if (index < 0 || index >= kNumPrograms) {
        return false;
    }
    programs[index].copyName(text);
    return true;
}

bool SynthPlugin::copyProgram(VstInt32 destination) {
    if (destination < 0 || destination >= kNumPrograms) {
        return false;
    }
    programs[destination].assign(currentProgramRecord());
    return true;
}

VstInt32 SynthPlugin::getChunk(void** data, bool /*isPreset*/) {
    *data = &currentProgramRecord();
    return kProgramRecordSize;
}

VstInt32 SynthPlugin::setChunk(void* data, VstInt32 byteSize, bool /*isPreset*/) {
    // A short chunk cannot be a program of ours; reading it whole would run past the host's data.
    if (byteSize < kProgramRecordSize) {
        return 0;
    }
    // Kept byte for byte: the engine limits what it computes with, and names
    // are read within their field.
    ProgramRecord restored;
    std::memcpy(&restored, data, kProgramRecordSize);
    currentProgramRecord().assign(restored);
    setProgram(currentProgram);
    return 1;
}

void SynthPlugin::resume() {
    hostWantMidi();
}

// Hosts change the rate suspended or not, from any thread; the engine takes the
// new rate at the start of its next block. A rate the engine cannot run at is
// refused altogether, so what the host reads back is what sounds.
void SynthPlugin::setSampleRate(float newSampleRate) {
    if (!RateCoefficients::isAcceptable(newSampleRate)) {
        return;
    }
    EffectBaseExt::setSampleRate(newSampleRate);
    engine->setSampleRate(newSampleRate);
}

VstInt32 SynthPlugin::processEvents(VstEvents* events) {
    previousEventTime = 0.0f;
    // The host's list runs on past the two entries the record declares.
    VstEvent* const* const list = events->events;
    for (VstInt32 i = 0; i < events->numEvents; ++i) {
        const VstEvent* event = list[i];
        if (event == nullptr || event->type != kVstMidiType) {
            continue;
        }
        // The host's record stays untouched; the queue keeps the distance from the event before.
        VstMidiEvent queued;
        std::memcpy(&queued, event, sizeof queued);
        const VstInt32 offset = queued.deltaFrames;
        if (offset >= 0) {
            queued.deltaFrames = roundToInt(static_cast<float>(offset) - previousEventTime);
        }
        previousEventTime = static_cast<float>(offset);
        if (!eventQueue.isFull()) {
            eventQueue.push(queued);
        }
    }
    return 1;
}

void SynthPlugin::processReplacing(float** /*inputs*/, float** outputs, VstInt32 sampleFrames) {
    if (sampleFrames <= 0 || outputs == nullptr) {
        return;
    }
    float* left = outputs[0];
    float* right = outputs[1];
    float* rendered = left != nullptr ? left : right;
    const DenormalGuard denormalGuard;
    engine->beginBlock();
    // Events fall due at the start of their sample; between them the engine
    // renders in one stretch.
    for (VstInt32 done = 0; done < sampleFrames;) {
        dispatchDueEvents();
        const int stretch = std::min(sampleFrames - done, eventQueue.samplesUntilDue());
        eventQueue.wait(stretch);
        if (rendered != nullptr) {
            engine->render(rendered + done, stretch);
        } else {
            discardStretch(stretch);
        }
        done += stretch;
    }
    if (left != nullptr && right != nullptr) {
        std::copy(left, left + sampleFrames, right);
    }
}

// A host that gives no output buffer still hears the voice move on.
void SynthPlugin::discardStretch(int frames) {
    float scratch[64];
    for (int done = 0; done < frames; done += 64) {
        engine->render(scratch, std::min(64, frames - done));
    }
}

// Instruments write their whole output; there is nothing to accumulate into.
void SynthPlugin::process(float** inputs, float** outputs, VstInt32 sampleFrames) {
    processReplacing(inputs, outputs, sampleFrames);
}

void SynthPlugin::dispatchDueEvents() {
    while (eventQueue.samplesUntilDue() == 0) {
        VstMidiEvent event;
        eventQueue.pop(event);
        handleEvent(event);
    }
}

void SynthPlugin::handleEvent(const VstMidiEvent& event) {
    const int status = static_cast<unsigned char>(event.midiData[0]);
    const int channel = status & 0x0F;
    const int data1 = event.midiData[1] & 0x7F;
    const int data2 = event.midiData[2] & 0x7F;
    switch (status & 0xF0) {
    case 0x90:
        if (data2 != 0) {
            engine->noteOn(data1, channel);
            break;
        }
        [[fallthrough]]; // velocity 0 is a note off
    case 0x80:
        engine->noteOff(data1, channel);
        break;
    case 0xB0:
        handleController(channel, data1, data2);
        break;
    case 0xE0:
        engine->pitchBend(channel, data2 << 7 | data1);
        break;
    default:
        break;
    }
}

void SynthPlugin::handleController(int channel, int controller, int value) {
    if (takeChannelController(*engine, channel, controller, value)) {
        return;
    }
    std::int32_t& binding = currentProgramRecord().controllerMap[controller];
    if (parameters.value(channel, kMidiLearn) > 0.0f) {
        storeRelaxed(binding, getLastParameter());
    }
    const std::int32_t parameter = loadRelaxed(binding);
    if (parameter < 1 || parameter > kLastControllable) {
        return;
    }
    setChannelParameter(channel, parameter, static_cast<float>(value) * kMidiValueScale);
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
    std::strcpy(name, kEffectName);
    return true;
}

bool SynthPlugin::getVendorString(char* text) {
    std::strcpy(text, kVendorName);
    return true;
}

bool SynthPlugin::getProductString(char* text) {
    std::strcpy(text, kEffectName);
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
