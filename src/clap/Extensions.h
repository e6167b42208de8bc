#pragma once

#include "clap/abi/Gui.h"
#include "clap/abi/HostServices.h"
#include "clap/abi/Params.h"
#include "clap/abi/Ports.h"
#include "clap/abi/State.h"

namespace tarvolin::clap {

// The extension records the plug-in hands out, one file each.
extern const clap_plugin_params_t kParamsExtension;
extern const clap_plugin_state_t kStateExtension;
extern const clap_plugin_audio_ports_t kAudioPortsExtension;
extern const clap_plugin_note_ports_t kNotePortsExtension;
extern const clap_plugin_tail_t kTailExtension;
extern const clap_plugin_gui_t kGuiExtension;
extern const clap_plugin_timer_support_t kTimerExtension;
extern const clap_plugin_posix_fd_support_t kFdExtension;

// Where the host's timer and descriptor watch drive the editor's idle pass.
// A Windows window keeps time itself, so there the plug-in asks the host for
// neither and offers no extension for them.
#if defined(_WIN32)
inline constexpr bool kHostDrivesEditorIdle = false;
#else
inline constexpr bool kHostDrivesEditorIdle = true;
#endif

// The record for an extension id; null for one the plug-in does not offer.
const void* findExtension(const char* id);

} // namespace tarvolin::clap
