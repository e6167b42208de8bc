#pragma once

#include "clap/abi/Entry.h"
#include "clap/abi/Host.h"
#include "clap/abi/Plugin.h"
#include "clap/abi/Process.h"
#include "pluginhost/SharedLibrary.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace tarvolin::testing {

using namespace tarvolin::clap;

// The built Tarvolin.clap loaded as a CLAP host loads it, from a copy of its
// own: its module-wide noise seed starts afresh, so renders compare sample
// for sample with the VST 2 module's.
class ClapModule {
public:
    ClapModule();
    ~ClapModule();
    ClapModule(const ClapModule&) = delete;
    ClapModule& operator=(const ClapModule&) = delete;

    const clap_plugin_entry_t& entry() const { return *clapEntry; }
    const clap_plugin_factory_t& factory() const;
    void* symbol(const char* name) const;

private:
    std::filesystem::path copy;
    std::unique_ptr<host::SharedLibrary> library;
    const clap_plugin_entry_t* clapEntry = nullptr;
};

// Events of one block as a host hands them over, each a whole CLAP event.
class ClapEvents {
public:
    void add(const clap_event_header_t& event);
    void note(std::uint32_t time, std::uint16_t type, int key, double velocity = 0.8,
              int channel = 0);
    void midi(std::uint32_t time, std::uint8_t status, std::uint8_t data1, std::uint8_t data2);
    void param(std::uint32_t time, clap_id id, double value);
    const clap_input_events_t* list() const {
        input.ctx = const_cast<ClapEvents*>(this);
        return &input;
    }

private:
    std::vector<std::vector<std::byte>> events;
    mutable clap_input_events_t input{nullptr, size, get};
    static std::uint32_t size(const clap_input_events_t* list);
    static const clap_event_header_t* get(const clap_input_events_t* list, std::uint32_t index);
};

// A host with one plug-in instance that records what the plug-in asks of
// it and the events it sends; the test's thread is the main thread.
class ClapTestHost {
public:
    explicit ClapTestHost(const ClapModule& module, clap_version_t version = CLAP_VERSION);
    ~ClapTestHost();

    const clap_plugin_t* plugin = nullptr;
    template <class Extension> const Extension* extension(const char* id) const {
        return static_cast<const Extension*>(plugin->get_extension(plugin, id));
    }

    // Both output channels of a process call, which writes them over garbage.
    struct Block {
        std::vector<float> left;
        std::vector<float> right;
        clap_process_status status;
    };
    Block process(std::uint32_t frames, const ClapEvents& events = {});
    void flush(const ClapEvents& events);
    // What the plug-in sent, as (type, parameter, value) with the value of a
    // parameter value event and 0 for a gesture.
    struct Sent {
        std::uint16_t type;
        clap_id param;
        double value;
        bool operator==(const Sent&) const = default;
    };
    std::vector<Sent> sent;

    int callbackRequests = 0;
    int flushRequests = 0;
    int rescans = 0;
    std::vector<clap_id> timers;
    std::vector<int> fds;

private:
    clap_host_t record;
};

} // namespace tarvolin::testing
