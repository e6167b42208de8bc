#pragma once

#include <array>
#include <cstdint>

namespace tarvolin {

// One MIDI message of up to three bytes (status and two data bytes) and when
// it falls due: handed in, `delay` counts samples from the start of the block
// it arrives with; inside the event queue, from the event before it.
struct MidiEvent {
    std::int32_t delay = 0;
    std::array<std::uint8_t, 3> bytes{};
};

} // namespace tarvolin
