#include "RecordingHost.h"

#include <atomic>

namespace tarvolin::testing {

namespace {
// Instances may call their host from any thread.
std::atomic<RecordingHost*> activeHost{nullptr};
} // namespace

RecordingHost::RecordingHost() {
    activeHost = this;
}

RecordingHost::~RecordingHost() {
    RecordingHost* self = this;
    activeHost.compare_exchange_strong(self, nullptr);
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
    RecordingHost* host = activeHost;
    if (host == nullptr) {
        return 0;
    }
    const HostRequest request{effect, opcode, index, value, ptr, opt};
    {
        const std::lock_guard lock(host->recording);
        host->recorded.push_back(request);
    }
    if (host->onRequest) {
        host->onRequest(request);
    }
    return opcode == audioMasterVersion ? host->versionAnswer : host->defaultAnswer;
}

} // namespace tarvolin::testing
