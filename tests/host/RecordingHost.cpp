#include "RecordingHost.h"

namespace tarvolin::testing {

namespace {
RecordingHost* activeHost = nullptr;
}

RecordingHost::RecordingHost() {
    activeHost = this;
}

RecordingHost::~RecordingHost() {
    if (activeHost == this) {
        activeHost = nullptr;
    }
}

std::vector<HostRequest> RecordingHost::requestsWith(VstInt32 opcode) const {
    std::vector<HostRequest> matching;
    for (const HostRequest& request : recorded) {
        if (request.opcode == opcode) {
            matching.push_back(request);
        }
    }
    return matching;
}

VstIntPtr VSTCALLBACK RecordingHost::hostCallback(AEffect* effect, VstInt32 opcode, VstInt32 index,
                                                  VstIntPtr value, void* ptr, float opt) {
    if (activeHost == nullptr) {
        return 0;
    }
    const HostRequest request{effect, opcode, index, value, ptr, opt};
    activeHost->recorded.push_back(request);
    if (activeHost->onRequest) {
        activeHost->onRequest(request);
    }
    return opcode == audioMasterVersion ? activeHost->versionAnswer : activeHost->defaultAnswer;
}

} // namespace tarvolin::testing
