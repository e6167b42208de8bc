#pragma once

#include "engine/ParameterIndex.h"

#include <array>
#include <atomic>
#include <bitset>
#include <cstdint>

namespace tarvolin::clap {

// The editor's edits on their way to the host: the main thread adds them,
// the audio side (process, or flush while nothing is processed) takes them,
// without a lock and within a fixed room. Each parameter has at most one
// gesture open, and an open gesture always has room left for its end.
class EditQueue {
public:
    enum class Kind : std::uint8_t { begin, value, end };
    struct Edit {
        Kind kind = Kind::value;
        std::uint8_t index = 0;
        float value = 0.0f;
    };

    // Main thread. A begin for a gesture already open, an end for one not
    // open and indices outside the table are ignored; when the room is short
    // a begin or a value is dropped (the value itself is stored already),
    // and a dropped begin drops its gesture.
    void begin(int index);
    void value(int index, float value);
    void end(int index);

    // Audio side: the oldest edit waiting, without taking it; false when none waits.
    bool peek(Edit& edit) const;
    void pop();

private:
    static constexpr std::uint32_t kCapacity = 512;
    // Kept free for the ends of gestures that may be open.
    static constexpr std::uint32_t kReserved = kNumParameters;

    bool push(const Edit& edit, std::uint32_t keepFree);
    static bool isInTable(int index) { return index >= 0 && index < kNumParameters; }

    std::array<Edit, kCapacity> slots{};
    std::atomic<std::uint32_t> head{0}; // next to take
    std::atomic<std::uint32_t> tail{0}; // next to fill
    // Main thread only.
    std::bitset<kNumParameters> open;
};

} // namespace tarvolin::clap
