#include "pluginhost/PluginInstance.h"

#include <cstring>
#include <memory>

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
    // VstEvents ends in a variable-length array of event pointers.
    const std::size_t pointerCount = events.size() < 2 ? 2 : events.size();
    const std::size_t bytes = sizeof(VstEvents) + (pointerCount - 2) * sizeof(VstEvent*);
    auto storage = std::make_unique<unsigned char[]>(bytes);
    auto* list = reinterpret_cast<VstEvents*>(storage.get());
    list->numEvents = static_cast<VstInt32>(events.size());
    list->reserved = 0;
    std::vector<VstMidiEvent> copies(events.begin(), events.end());
    VstEvent** const slots = list->events;
    for (std::size_t i = 0; i < copies.size(); ++i) {
        slots[i] = reinterpret_cast<VstEvent*>(&copies[i]);
    }
    return dispatch(effProcessEvents, 0, 0, list);
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
