#include "pluginhost/PluginInstance.h"

#include <cstring>

namespace tarvolin::host {

PluginInstance::PluginInstance(const PluginModule& module, audioMasterCallback callback) {
    if (module.isLoaded()) {
        effect = module.entryPoint()(callback);
    }
}

PluginInstance::~PluginInstance() {
    close();
}

VstIntPtr PluginInstance::dispatch(VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr,
                                   float opt) const {
    return effect->dispatcher(effect, opcode, index, value, ptr, opt);
}

void PluginInstance::setParameter(VstInt32 index, float value) const {
    effect->setParameter(effect, index, value);
}

float PluginInstance::getParameter(VstInt32 index) const {
    return effect->getParameter(effect, index);
}

std::string PluginInstance::parameterName(VstInt32 index) const {
    char text[256] = {};
    dispatch(effGetParamName, index, 0, text);
    return text;
}

std::string PluginInstance::parameterDisplay(VstInt32 index) const {
    char text[256] = {};
    dispatch(effGetParamDisplay, index, 0, text);
    return text;
}

VstIntPtr PluginInstance::sendEvents(std::span<const VstMidiEvent> events) const {
    const EventList list(events);
    return sendEvents(list);
}

VstIntPtr PluginInstance::sendEvents(const EventList& events) const {
    return dispatch(effProcessEvents, 0, 0, events.get());
}

void PluginInstance::processReplacing(std::span<float> left, std::span<float> right) const {
    float* outputs[2] = {left.data(), right.data()};
    effect->processReplacing(effect, nullptr, outputs, static_cast<VstInt32>(left.size()));
}

void PluginInstance::process(std::span<float> left, std::span<float> right) const {
    float* outputs[2] = {left.data(), right.data()};
    effect->process(effect, nullptr, outputs, static_cast<VstInt32>(left.size()));
}

VstIntPtr PluginInstance::close() {
    if (effect == nullptr) {
        return 0;
    }
    const VstIntPtr answer = dispatch(effClose);
    effect = nullptr;
    return answer;
}

VstMidiEvent midiEvent(int deltaFrames, unsigned char status, unsigned char data1,
                       unsigned char data2) {
    VstMidiEvent event;
    std::memset(&event, 0, sizeof event);
    event.type = kVstMidiType;
    event.byteSize = sizeof(VstMidiEvent);
    event.deltaFrames = deltaFrames;
    event.midiData[0] = static_cast<char>(status);
    event.midiData[1] = static_cast<char>(data1);
    event.midiData[2] = static_cast<char>(data2);
    return event;
}

} // namespace tarvolin::host
