#include "clap/Extensions.h"

#include <cstring>

namespace tarvolin::clap {

const void* findExtension(const char* id) {
    if (id == nullptr) {
        return nullptr;
    }
    const struct {
        const char* id;
        const void* extension;
    } offered[] = {
        {CLAP_EXT_PARAMS, &kParamsExtension},
        {CLAP_EXT_STATE, &kStateExtension},
        {CLAP_EXT_AUDIO_PORTS, &kAudioPortsExtension},
        {CLAP_EXT_NOTE_PORTS, &kNotePortsExtension},
        {CLAP_EXT_TAIL, &kTailExtension},
        {CLAP_EXT_GUI, &kGuiExtension},
        {CLAP_EXT_TIMER_SUPPORT, kHostDrivesEditorIdle ? &kTimerExtension : nullptr},
        {CLAP_EXT_POSIX_FD_SUPPORT, kHostDrivesEditorIdle ? &kFdExtension : nullptr},
    };
    for (const auto& [name, extension] : offered) {
        if (extension != nullptr && std::strcmp(id, name) == 0) {
            return extension;
        }
    }
    return nullptr;
}

} // namespace tarvolin::clap
