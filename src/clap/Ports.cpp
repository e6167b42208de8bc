#include "clap/ClapPlugin.h"
#include "clap/Extensions.h"

#include <cstdio>

namespace tarvolin::clap {

// One stereo output, no audio input; one note input that takes CLAP's notes
// and raw MIDI.
const clap_plugin_audio_ports_t kAudioPortsExtension = {
    [](const clap_plugin_t* plugin, bool isInput) -> std::uint32_t {
        return ClapPlugin::from(plugin) != nullptr && !isInput ? 1 : 0;
    },
    [](const clap_plugin_t* plugin, std::uint32_t index, bool isInput,
       clap_audio_port_info_t* info) {
        if (ClapPlugin::from(plugin) == nullptr || index != 0 || isInput || info == nullptr) {
            return false;
        }
        *info = {};
        info->id = 0;
        std::snprintf(info->name, sizeof info->name, "%s", "Output");
        info->flags = CLAP_AUDIO_PORT_IS_MAIN;
        info->channel_count = 2;
        info->port_type = CLAP_PORT_STEREO;
        info->in_place_pair = CLAP_INVALID_ID;
        return true;
    },
};

const clap_plugin_note_ports_t kNotePortsExtension = {
    [](const clap_plugin_t* plugin, bool isInput) -> std::uint32_t {
        return ClapPlugin::from(plugin) != nullptr && isInput ? 1 : 0;
    },
    [](const clap_plugin_t* plugin, std::uint32_t index, bool isInput,
       clap_note_port_info_t* info) {
        if (ClapPlugin::from(plugin) == nullptr || index != 0 || !isInput || info == nullptr) {
            return false;
        }
        *info = {};
        info->id = 0;
        info->supported_dialects = CLAP_NOTE_DIALECT_CLAP | CLAP_NOTE_DIALECT_MIDI;
        info->preferred_dialect = CLAP_NOTE_DIALECT_CLAP;
        std::snprintf(info->name, sizeof info->name, "%s", "Notes");
        return true;
    },
};

// How long the release still sounds, endless while a note is held.
const clap_plugin_tail_t kTailExtension = {
    [](const clap_plugin_t* plugin) -> std::uint32_t {
        const ClapPlugin* p = ClapPlugin::from(plugin);
        return p != nullptr ? p->tail() : 0;
    },
};

} // namespace tarvolin::clap
