#include "HostCallback.h"

#include "Score.h"

namespace tarvolin::render {

namespace {

// The VST 2.4 host interface.
constexpr VstIntPtr kHostVersion = 2400;

int hostSampleRate = kSampleRate;

} // namespace

void setHostSampleRate(int sampleRate) {
    hostSampleRate = sampleRate;
}

VstIntPtr VSTCALLBACK hostCallback(AEffect*, VstInt32 opcode, VstInt32, VstIntPtr, void*, float) {
    switch (opcode) {
    case audioMasterVersion:
        return kHostVersion;
    case audioMasterGetSampleRate:
        return hostSampleRate;
    default:
        return 0;
    }
}

} // namespace tarvolin::render
