#pragma once

#include "pluginhost/EventList.h"
#include "pluginhost/PluginModule.h"

#include <span>
#include <string>
#include <vector>

namespace tarvolin::host {

// One instance of a plug-in, driven through its AEffect record only, as a host
// drives it. Closing (explicitly or on destruction) sends effClose once.
class PluginInstance {
public:
    // Calls the entry point with the callback; isOpen() is false when it answers null.
    PluginInstance(const PluginModule& module, audioMasterCallback callback);
    ~PluginInstance();
    PluginInstance(const PluginInstance&) = delete;
    PluginInstance& operator=(const PluginInstance&) = delete;

    bool isOpen() const { return effect != nullptr; }
    AEffect* record() const { return effect; }

    VstIntPtr dispatch(VstInt32 opcode, VstInt32 index = 0, VstIntPtr value = 0,
                       void* ptr = nullptr, float opt = 0.0f) const;
    void setParameter(VstInt32 index, float value) const;
    float getParameter(VstInt32 index) const;

    std::string parameterName(VstInt32 index) const;
    std::string parameterDisplay(VstInt32 index) const;

    // Hands the events to effProcessEvents in one VstEvents list.
    VstIntPtr sendEvents(std::span<const VstMidiEvent> events) const;
    VstIntPtr sendEvents(const EventList& events) const;
    // Renders into the two channels; both spans must hold the same number of frames.
    void processReplacing(std::span<float> left, std::span<float> right) const;
    void process(std::span<float> left, std::span<float> right) const;

    // Sends effClose; answers what the dispatcher answered (0 when already closed).
    VstIntPtr close();

private:
    AEffect* effect = nullptr;
};

// A note on, note off or controller message as a host lists it.
VstMidiEvent midiEvent(int deltaFrames, unsigned char status, unsigned char data1,
                       unsigned char data2);

} // namespace tarvolin::host
