#pragma once

#include "shell/vst2.h"

namespace tarvolin::render {

// The host side of the VST 2 callback for an offline render: the version and
// the sample rate are known, time info and everything else is not offered.
// The rate it reports is the one set last (44100 until then).
void setHostSampleRate(int sampleRate);
VstIntPtr VSTCALLBACK hostCallback(AEffect* effect, VstInt32 opcode, VstInt32 index,
                                   VstIntPtr value, void* ptr, float opt);

} // namespace tarvolin::render
