#pragma once

#include "clap/abi/Events.h"

namespace tarvolin::clap {

// Read by nothing of ours: the host's transport is passed through as a pointer.
struct clap_event_transport_t;

struct clap_audio_buffer_t {
    float** data32;
    double** data64;
    std::uint32_t channel_count;
    std::uint32_t latency;
    std::uint64_t constant_mask;
};
static_assert(sizeof(clap_audio_buffer_t) == 32);
static_assert(offsetof(clap_audio_buffer_t, channel_count) == 16);
static_assert(offsetof(clap_audio_buffer_t, constant_mask) == 24);

struct clap_process_t {
    std::int64_t steady_time;
    std::uint32_t frames_count;
    const clap_event_transport_t* transport;
    const clap_audio_buffer_t* audio_inputs;
    clap_audio_buffer_t* audio_outputs;
    std::uint32_t audio_inputs_count;
    std::uint32_t audio_outputs_count;
    const clap_input_events_t* in_events;
    const clap_output_events_t* out_events;
};
static_assert(sizeof(clap_process_t) == 64);
static_assert(offsetof(clap_process_t, frames_count) == 8);
static_assert(offsetof(clap_process_t, transport) == 16);
static_assert(offsetof(clap_process_t, audio_outputs_count) == 44);
static_assert(offsetof(clap_process_t, in_events) == 48);
static_assert(offsetof(clap_process_t, out_events) == 56);

} // namespace tarvolin::clap
