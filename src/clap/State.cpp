#include "clap/ClapPlugin.h"
#include "clap/Extensions.h"
#include "instrument/ProgramRecord.h"

#include <array>
#include <cstddef>

namespace tarvolin::clap {

namespace {

// Streams move as many bytes as they like on each call, down to one; 0 ends
// a stream and a negative count is an error.
bool save(ClapPlugin& plugin, const clap_ostream_t& stream) {
    const std::span<const std::byte> state = plugin.instrument().state();
    std::size_t done = 0;
    while (done < state.size()) {
        const std::int64_t moved = stream.write(&stream, state.data() + done, state.size() - done);
        if (moved <= 0 || static_cast<std::uint64_t>(moved) > state.size() - done) {
            return false;
        }
        done += static_cast<std::size_t>(moved);
    }
    return true;
}

// Only a whole record is applied: a short stream or an error changes nothing.
bool load(ClapPlugin& plugin, const clap_istream_t& stream) {
    std::array<std::byte, kProgramRecordSize> record;
    std::size_t done = 0;
    while (done < record.size()) {
        const std::int64_t moved = stream.read(&stream, record.data() + done, record.size() - done);
        if (moved <= 0 || static_cast<std::uint64_t>(moved) > record.size() - done) {
            return false;
        }
        done += static_cast<std::size_t>(moved);
    }
    return plugin.instrument().restoreState(record);
}

} // namespace

const clap_plugin_state_t kStateExtension = {
    [](const clap_plugin_t* plugin, const clap_ostream_t* stream) {
        ClapPlugin* p = ClapPlugin::from(plugin);
        return p != nullptr && stream != nullptr && stream->write != nullptr &&
               p->host().isMainThread() && save(*p, *stream);
    },
    [](const clap_plugin_t* plugin, const clap_istream_t* stream) {
        ClapPlugin* p = ClapPlugin::from(plugin);
        return p != nullptr && stream != nullptr && stream->read != nullptr &&
               p->host().isMainThread() && load(*p, *stream);
    },
};

} // namespace tarvolin::clap
