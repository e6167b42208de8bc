#include "clap/ClapPlugin.h"
#include "clap/Extensions.h"
#include "clap/SafeValue.h"
#include "instrument/ParameterDisplay.h"
#include "instrument/ParameterTable.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace tarvolin::clap {

namespace {

bool isParameter(clap_id id) {
    return id < static_cast<clap_id>(kNumParameters);
}

bool getInfo(std::uint32_t index, clap_param_info_t& info) {
    if (!isParameter(index)) {
        return false;
    }
    info = {};
    info.id = index;
    // The channel selector and the export switch act when stored: neither is
    // anything to automate.
    info.flags = index < static_cast<std::uint32_t>(kChannel) ? CLAP_PARAM_IS_AUTOMATABLE : 0;
    std::snprintf(info.name, sizeof info.name, "%s", parameterName(static_cast<int>(index)));
    info.min_value = 0.0;
    info.max_value = 1.0;
    info.default_value = kParameterTable[index].defaultValue;
    return true;
}

bool valueToText(clap_id id, double value, char* text, std::uint32_t capacity) {
    if (!isParameter(id) || text == nullptr || capacity == 0) {
        return false;
    }
    const DisplayText shown = displayTextOf(static_cast<int>(id), storedValue(value));
    const std::size_t length = std::min<std::size_t>(std::strlen(shown.data()), capacity - 1);
    std::memcpy(text, shown.data(), length);
    text[length] = '\0';
    return true;
}

// The display's numbers read back; the channel selector shows the channel.
bool textToValue(clap_id id, const char* text, double& value) {
    if (!isParameter(id) || text == nullptr) {
        return false;
    }
    while (*text == ' ') {
        ++text;
    }
    if (*text == '+') {
        ++text;
    }
    const char* end = text + std::strlen(text);
    double number = 0.0;
    const auto [stop, error] = std::from_chars(text, end, number);
    if (error != std::errc{} || !std::isfinite(number)) {
        return false;
    }
    for (const char* rest = stop; rest != end; ++rest) {
        if (*rest != ' ') {
            return false;
        }
    }
    value = id == static_cast<clap_id>(kChannel) ? number / 15.0 : number;
    return true;
}

} // namespace

const clap_plugin_params_t kParamsExtension = {
    [](const clap_plugin_t* plugin) -> std::uint32_t {
        return ClapPlugin::from(plugin) != nullptr ? kNumParameters : 0;
    },
    [](const clap_plugin_t* plugin, std::uint32_t index, clap_param_info_t* info) {
        return ClapPlugin::from(plugin) != nullptr && info != nullptr && getInfo(index, *info);
    },
    [](const clap_plugin_t* plugin, clap_id id, double* value) {
        ClapPlugin* p = ClapPlugin::from(plugin);
        if (p == nullptr || value == nullptr || !isParameter(id)) {
            return false;
        }
        *value = p->instrument().value(static_cast<int>(id));
        return true;
    },
    [](const clap_plugin_t* plugin, clap_id id, double value, char* text, std::uint32_t capacity) {
        return ClapPlugin::from(plugin) != nullptr && valueToText(id, value, text, capacity);
    },
    [](const clap_plugin_t* plugin, clap_id id, const char* text, double* value) {
        return ClapPlugin::from(plugin) != nullptr && value != nullptr &&
               textToValue(id, text, *value);
    },
    // Parameter values while nothing is processed, or on the audio thread
    // between two blocks: in order, as a channel switch changes what the
    // values after it address.
    [](const clap_plugin_t* plugin, const clap_input_events_t* in,
       const clap_output_events_t* out) {
        ClapPlugin* p = ClapPlugin::from(plugin);
        if (p == nullptr) {
            return;
        }
        if (in != nullptr && in->size != nullptr && in->get != nullptr) {
            const std::uint32_t count = in->size(in);
            for (std::uint32_t i = 0; i < count; ++i) {
                const clap_event_header_t* event = in->get(in, i);
                if (event != nullptr && event->space_id == CLAP_CORE_EVENT_SPACE_ID &&
                    event->type == CLAP_EVENT_PARAM_VALUE) {
                    p->applyEvent(*event);
                }
            }
        }
        p->sendEdits(out);
    },
};

} // namespace tarvolin::clap
