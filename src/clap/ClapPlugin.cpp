#include "clap/ClapPlugin.h"

#include "clap/ClapEditor.h"
#include "clap/Descriptor.h"
#include "clap/Extensions.h"
#include "clap/SafeValue.h"
#include "engine/ParameterIndex.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace tarvolin::clap {

namespace {

ClapPlugin* self(const clap_plugin_t* plugin) {
    return ClapPlugin::from(plugin);
}

template <class Event> const Event* eventAs(const clap_event_header_t& header) {
    return header.size >= sizeof(Event) ? reinterpret_cast<const Event*>(&header) : nullptr;
}

std::uint8_t midiVelocity(double velocity) {
    // CLAP's 0..1 onto MIDI's 1..127: a CLAP note on is a note on whatever
    // its velocity, so it never becomes MIDI's velocity 0.
    if (!(velocity > 0.0)) {
        return 1;
    }
    return static_cast<std::uint8_t>(
        std::clamp(std::lround(std::min(velocity, 1.0) * 127.0), 1L, 127L));
}

std::uint32_t tailSamples(float samples) {
    constexpr float kEndless = 4294967040.0f; // the largest float below 2^32
    return samples >= kEndless ? UINT32_MAX : static_cast<std::uint32_t>(samples);
}

} // namespace

const clap_plugin_t ClapPlugin::kRecordTemplate = {
    &kDescriptor,
    nullptr,
    [](const clap_plugin_t* plugin) {
        ClapPlugin* p = self(plugin);
        return p != nullptr && p->init();
    },
    [](const clap_plugin_t* plugin) { delete self(plugin); },
    [](const clap_plugin_t* plugin, double sampleRate, std::uint32_t, std::uint32_t) {
        ClapPlugin* p = self(plugin);
        return p != nullptr && p->activate(sampleRate);
    },
    [](const clap_plugin_t* plugin) {
        if (ClapPlugin* p = self(plugin)) {
            p->deactivate();
        }
    },
    [](const clap_plugin_t* plugin) {
        ClapPlugin* p = self(plugin);
        if (p == nullptr || !p->active) {
            return false;
        }
        p->processing.store(true, std::memory_order_relaxed);
        return true;
    },
    [](const clap_plugin_t* plugin) {
        if (ClapPlugin* p = self(plugin)) {
            p->processing.store(false, std::memory_order_relaxed);
        }
    },
    [](const clap_plugin_t* plugin) {
        if (ClapPlugin* p = self(plugin)) {
            p->synth.reset();
            p->tailLength.store(0, std::memory_order_relaxed);
        }
    },
    [](const clap_plugin_t* plugin, const clap_process_t* process) {
        ClapPlugin* p = self(plugin);
        if (p == nullptr || process == nullptr || !p->active) {
            return CLAP_PROCESS_ERROR;
        }
        return p->process(*process);
    },
    [](const clap_plugin_t* plugin, const char* id) {
        return self(plugin) != nullptr ? findExtension(id) : nullptr;
    },
    [](const clap_plugin_t* plugin) {
        if (ClapPlugin* p = self(plugin)) {
            p->onMainThread();
        }
    },
};

ClapPlugin::ClapPlugin(const clap_host_t* host) : plugin(kRecordTemplate), clapHost(host) {
    plugin.plugin_data = this;
    synth.setListener(this);
}

ClapPlugin::~ClapPlugin() {
    synth.setListener(nullptr);
}

ClapPlugin* ClapPlugin::from(const clap_plugin_t* plugin) {
    return plugin != nullptr ? static_cast<ClapPlugin*>(plugin->plugin_data) : nullptr;
}

bool ClapPlugin::init() {
    clapHost.lookUpExtensions();
    return true;
}

bool ClapPlugin::activate(double sampleRate) {
    if (active || !clapHost.isMainThread()) {
        return false;
    }
    // A rate the engine cannot run at leaves the plug-in inactive.
    if (!(sampleRate > 0.0 && sampleRate < 1e9) ||
        !synth.setSampleRate(static_cast<float>(sampleRate))) {
        return false;
    }
    active = true;
    return true;
}

void ClapPlugin::deactivate() {
    active = false;
    processing.store(false, std::memory_order_relaxed);
}

clap_process_status ClapPlugin::process(const clap_process_t& process) {
    sendEdits(process.out_events);
    const std::uint32_t frames = process.frames_count;
    float* const* channels = nullptr;
    std::uint32_t channelCount = 0;
    if (process.audio_outputs != nullptr && process.audio_outputs_count > 0 &&
        process.audio_outputs[0].data32 != nullptr) {
        channels = process.audio_outputs[0].data32;
        channelCount = process.audio_outputs[0].channel_count;
    }
    const clap_input_events_t* in = process.in_events;
    const std::uint32_t count =
        in != nullptr && in->size != nullptr && in->get != nullptr ? in->size(in) : 0;
    std::uint32_t done = 0;
    for (std::uint32_t i = 0; i < count; ++i) {
        const clap_event_header_t* event = in->get(in, i);
        if (event == nullptr) {
            continue;
        }
        // An event out of order or past the block plays as soon as it can.
        const std::uint32_t time = std::min(std::max(event->time, done), frames);
        renderStretch(channels, channelCount, done, time - done);
        done = time;
        applyEvent(*event);
    }
    renderStretch(channels, channelCount, done, frames - done);
    tailLength.store(tailSamples(synth.tailSamples()), std::memory_order_relaxed);
    return synth.isIdle() ? CLAP_PROCESS_SLEEP : CLAP_PROCESS_CONTINUE;
}

void ClapPlugin::renderStretch(float* const* channels, std::uint32_t channelCount,
                               std::uint32_t start, std::uint32_t frames) {
    if (frames == 0) {
        return;
    }
    // The mono sample goes to every channel the host gave.
    float* first = nullptr;
    for (std::uint32_t c = 0; c < channelCount; ++c) {
        float* channel = channels[c];
        if (channel == nullptr) {
            continue;
        }
        if (first == nullptr) {
            first = channel + start;
            synth.render(first, static_cast<int>(frames));
        } else {
            std::copy(first, first + frames, channel + start);
        }
    }
    if (first == nullptr) {
        synth.render(nullptr, static_cast<int>(frames));
    }
}

void ClapPlugin::applyEvent(const clap_event_header_t& event) {
    if (event.space_id != CLAP_CORE_EVENT_SPACE_ID) {
        return;
    }
    switch (event.type) {
    case CLAP_EVENT_NOTE_ON:
    case CLAP_EVENT_NOTE_OFF:
    case CLAP_EVENT_NOTE_CHOKE:
        playNote(event);
        break;
    case CLAP_EVENT_MIDI:
        if (const auto* midi = eventAs<clap_event_midi_t>(event)) {
            synth.playNow({0, {midi->data[0], midi->data[1], midi->data[2]}});
        }
        break;
    case CLAP_EVENT_PARAM_VALUE:
        if (const auto* param = eventAs<clap_event_param_value_t>(event)) {
            applyParameter(param->param_id, param->value);
        }
        break;
    default:
        break;
    }
}

void ClapPlugin::playNote(const clap_event_header_t& event) {
    const auto* note = eventAs<clap_event_note_t>(event);
    if (note == nullptr || note->key > 127 || note->channel > 15) {
        return;
    }
    // A negative key or channel means every one.
    const int firstChannel = note->channel < 0 ? 0 : note->channel;
    const int lastChannel = note->channel < 0 ? kNumChannels - 1 : note->channel;
    for (int channel = firstChannel; channel <= lastChannel; ++channel) {
        const auto status = static_cast<std::uint8_t>(channel);
        const auto key = static_cast<std::uint8_t>(note->key);
        if (event.type == CLAP_EVENT_NOTE_CHOKE) {
            synth.chokeNote(channel, note->key);
        } else if (note->key < 0) {
            if (event.type == CLAP_EVENT_NOTE_OFF) {
                constexpr std::uint8_t kAllNotesOff = 123;
                synth.playNow({0, {static_cast<std::uint8_t>(0xB0 | status), kAllNotesOff, 0}});
            }
        } else if (event.type == CLAP_EVENT_NOTE_ON) {
            synth.playNow(
                {0, {static_cast<std::uint8_t>(0x90 | status), key, midiVelocity(note->velocity)}});
        } else {
            synth.playNow({0, {static_cast<std::uint8_t>(0x80 | status), key, 0}});
        }
    }
}

void ClapPlugin::applyParameter(std::uint32_t id, double value) {
    if (id >= static_cast<std::uint32_t>(kNumParameters)) {
        return;
    }
    const float stored = storedValue(value);
    if (id == static_cast<std::uint32_t>(kSaveData)) {
        // The export writes a file: that waits for the main thread.
        exportSwitch.store(stored, std::memory_order_relaxed);
        exportPending.store(true, std::memory_order_release);
        clapHost.requestCallback();
        return;
    }
    synth.setValue(static_cast<int>(id), stored);
}

void ClapPlugin::sendEdits(const clap_output_events_t* out) {
    if (out == nullptr || out->try_push == nullptr) {
        return;
    }
    EditQueue::Edit edit;
    while (edits.peek(edit)) {
        bool sent = false;
        if (edit.kind == EditQueue::Kind::value) {
            clap_event_param_value_t event{};
            event.header = {sizeof event, 0, CLAP_CORE_EVENT_SPACE_ID, CLAP_EVENT_PARAM_VALUE, 0};
            event.param_id = edit.index;
            event.note_id = -1;
            event.port_index = -1;
            event.channel = -1;
            event.key = -1;
            event.value = edit.value;
            sent = out->try_push(out, &event.header);
        } else {
            const std::uint16_t type = edit.kind == EditQueue::Kind::begin
                                           ? CLAP_EVENT_PARAM_GESTURE_BEGIN
                                           : CLAP_EVENT_PARAM_GESTURE_END;
            clap_event_param_gesture_t event{};
            event.header = {sizeof event, 0, CLAP_CORE_EVENT_SPACE_ID, type, 0};
            event.param_id = edit.index;
            sent = out->try_push(out, &event.header);
        }
        // A host that takes no more gets the rest next time.
        if (!sent) {
            return;
        }
        edits.pop();
    }
}

void ClapPlugin::beginEdit(int index) {
    edits.begin(index);
    clapHost.requestFlush();
}

void ClapPlugin::setEditedValue(int index, float value) {
    // Stored at once, on the main thread, where the channel switch and the
    // export may run; the host hears of it with the next process or flush.
    synth.setValue(index, value);
    edits.value(index, value);
    clapHost.requestFlush();
}

void ClapPlugin::endEdit(int index) {
    edits.end(index);
    clapHost.requestFlush();
}

void ClapPlugin::valueStored(int /*channel*/, int /*index*/, float /*value*/) {
    editorUpdate.store(true, std::memory_order_relaxed);
}

void ClapPlugin::channelSelected(int /*channel*/) {
    // May run on the audio thread: the host is asked to rescan from the main thread.
    rescanPending.store(true, std::memory_order_relaxed);
    clapHost.requestCallback();
}

void ClapPlugin::onMainThread() {
    if (!clapHost.isMainThread()) {
        return;
    }
    if (exportPending.exchange(false, std::memory_order_acquire)) {
        synth.setValue(kSaveData, exportSwitch.load(std::memory_order_relaxed));
    }
    if (rescanPending.exchange(false, std::memory_order_relaxed)) {
        clapHost.rescanValues();
    }
}

} // namespace tarvolin::clap
