#pragma once

#include "clap/abi/Version.h"

namespace tarvolin::clap {

struct clap_event_header_t {
    std::uint32_t size;
    std::uint32_t time;
    std::uint16_t space_id;
    std::uint16_t type;
    std::uint32_t flags;
};
static_assert(sizeof(clap_event_header_t) == 16);
static_assert(offsetof(clap_event_header_t, space_id) == 8);
static_assert(offsetof(clap_event_header_t, type) == 10);

inline constexpr std::uint16_t CLAP_CORE_EVENT_SPACE_ID = 0;

inline constexpr std::uint32_t CLAP_EVENT_IS_LIVE = 1u << 0;
inline constexpr std::uint32_t CLAP_EVENT_DONT_RECORD = 1u << 1;

enum : std::uint16_t {
    CLAP_EVENT_NOTE_ON = 0,
    CLAP_EVENT_NOTE_OFF = 1,
    CLAP_EVENT_NOTE_CHOKE = 2,
    CLAP_EVENT_NOTE_END = 3,
    CLAP_EVENT_NOTE_EXPRESSION = 4,
    CLAP_EVENT_PARAM_VALUE = 5,
    CLAP_EVENT_PARAM_MOD = 6,
    CLAP_EVENT_PARAM_GESTURE_BEGIN = 7,
    CLAP_EVENT_PARAM_GESTURE_END = 8,
    CLAP_EVENT_TRANSPORT = 9,
    CLAP_EVENT_MIDI = 10,
    CLAP_EVENT_MIDI_SYSEX = 11,
    CLAP_EVENT_MIDI2 = 12,
};

struct clap_event_note_t {
    clap_event_header_t header;
    std::int32_t note_id;
    std::int16_t port_index;
    std::int16_t channel;
    std::int16_t key;
    double velocity;
};
static_assert(sizeof(clap_event_note_t) == 40);
static_assert(offsetof(clap_event_note_t, channel) == 22);
static_assert(offsetof(clap_event_note_t, key) == 24);
static_assert(offsetof(clap_event_note_t, velocity) == 32);

struct clap_event_param_value_t {
    clap_event_header_t header;
    clap_id param_id;
    void* cookie;
    std::int32_t note_id;
    std::int16_t port_index;
    std::int16_t channel;
    std::int16_t key;
    double value;
};
static_assert(sizeof(clap_event_param_value_t) == 56);
static_assert(offsetof(clap_event_param_value_t, param_id) == 16);
static_assert(offsetof(clap_event_param_value_t, cookie) == 24);
static_assert(offsetof(clap_event_param_value_t, key) == 40);
static_assert(offsetof(clap_event_param_value_t, value) == 48);

struct clap_event_param_gesture_t {
    clap_event_header_t header;
    clap_id param_id;
};
static_assert(sizeof(clap_event_param_gesture_t) == 20);

struct clap_event_midi_t {
    clap_event_header_t header;
    std::uint16_t port_index;
    std::uint8_t data[3];
};
static_assert(sizeof(clap_event_midi_t) == 24);
static_assert(offsetof(clap_event_midi_t, data) == 18);

struct clap_input_events_t {
    void* ctx;
    std::uint32_t (*size)(const clap_input_events_t* list);
    const clap_event_header_t* (*get)(const clap_input_events_t* list, std::uint32_t index);
};
static_assert(sizeof(clap_input_events_t) == 24);

struct clap_output_events_t {
    void* ctx;
    bool (*try_push)(const clap_output_events_t* list, const clap_event_header_t* event);
};
static_assert(sizeof(clap_output_events_t) == 16);

} // namespace tarvolin::clap
