#pragma once

#include "clap/abi/Version.h"

namespace tarvolin::clap {

struct clap_plugin_t;

inline constexpr const char* CLAP_EXT_AUDIO_PORTS = "clap.audio-ports";
inline constexpr const char* CLAP_PORT_STEREO = "stereo";
inline constexpr std::uint32_t CLAP_AUDIO_PORT_IS_MAIN = 1u << 0;

struct clap_audio_port_info_t {
    clap_id id;
    char name[CLAP_NAME_SIZE];
    std::uint32_t flags;
    std::uint32_t channel_count;
    const char* port_type;
    clap_id in_place_pair;
};
static_assert(sizeof(clap_audio_port_info_t) == 288);
static_assert(offsetof(clap_audio_port_info_t, flags) == 260);
static_assert(offsetof(clap_audio_port_info_t, port_type) == 272);
static_assert(offsetof(clap_audio_port_info_t, in_place_pair) == 280);

struct clap_plugin_audio_ports_t {
    std::uint32_t (*count)(const clap_plugin_t* plugin, bool is_input);
    bool (*get)(const clap_plugin_t* plugin, std::uint32_t index, bool is_input,
                clap_audio_port_info_t* info);
};
static_assert(sizeof(clap_plugin_audio_ports_t) == 16);

inline constexpr const char* CLAP_EXT_NOTE_PORTS = "clap.note-ports";
inline constexpr std::uint32_t CLAP_NOTE_DIALECT_CLAP = 1u << 0;
inline constexpr std::uint32_t CLAP_NOTE_DIALECT_MIDI = 1u << 1;

struct clap_note_port_info_t {
    clap_id id;
    std::uint32_t supported_dialects;
    std::uint32_t preferred_dialect;
    char name[CLAP_NAME_SIZE];
};
static_assert(sizeof(clap_note_port_info_t) == 268);
static_assert(offsetof(clap_note_port_info_t, name) == 12);

struct clap_plugin_note_ports_t {
    std::uint32_t (*count)(const clap_plugin_t* plugin, bool is_input);
    bool (*get)(const clap_plugin_t* plugin, std::uint32_t index, bool is_input,
                clap_note_port_info_t* info);
};
static_assert(sizeof(clap_plugin_note_ports_t) == 16);

} // namespace tarvolin::clap
