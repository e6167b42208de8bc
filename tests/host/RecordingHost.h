#pragma once

#include "shell/vst2.h"

#include <functional>
#include <mutex>
#include <vector>

namespace tarvolin::testing {

// One request a plug-in sent to its host.
struct HostRequest {
    AEffect* effect;
    VstInt32 opcode;
    VstInt32 index;
    VstIntPtr value;
    void* ptr;
    float opt;
};

// A host callback that records every request and answers like a VST 2.4 host.
// The callback is a plain function, so the recording host in scope is found
// through a single active slot: tests drive one host at a time, though from
// as many threads as they like.
class RecordingHost {
public:
    RecordingHost();
    ~RecordingHost();
    RecordingHost(const RecordingHost&) = delete;
    RecordingHost& operator=(const RecordingHost&) = delete;

    static audioMasterCallback callback() { return &hostCallback; }

    const std::vector<HostRequest>& requests() const { return recorded; }
    std::vector<HostRequest> requestsWith(VstInt32 opcode) const;
    void clear() { recorded.clear(); }

    // What the host answers to audioMasterVersion; 0 plays a host too old to load the plug-in.
    VstIntPtr versionAnswer = 2400;
    // Answer to every other request.
    VstIntPtr defaultAnswer = 0;
    // Runs after each request is recorded: a host acting on what it hears.
    std::function<void(const HostRequest&)> onRequest;

private:
    static VstIntPtr VSTCALLBACK hostCallback(AEffect* effect, VstInt32 opcode, VstInt32 index,
                                              VstIntPtr value, void* ptr, float opt);

    std::mutex recording;
    std::vector<HostRequest> recorded;
};

} // namespace tarvolin::testing
