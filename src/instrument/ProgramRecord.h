#pragma once

#include "engine/ParameterIndex.h"

#include <bit>
#include <cstdint>

namespace tarvolin {

inline constexpr int kNumPrograms = 5;
inline constexpr int kControllerMapSize = 255;
inline constexpr int kProgramNameSize = 24;

// One program: every channel's parameter values, the controller bindings and
// a name. Its bytes are also the chunk hosts store with their songs, so the
// layout is fixed: little-endian, no header, 4372 bytes.
struct ProgramRecord {
    float params[kNumChannels][kNumParameters];
    // Entry k is the parameter bound to MIDI controller k; 0 or less is unbound.
    std::int32_t controllerMap[kControllerMapSize];
    char name[kProgramNameSize];

    // A new program: default values on every channel, controllers 40 and 42
    // bound to cutoff and resonance, named "default".
    static ProgramRecord makeDefault();

    // Takes over another record's contents. The audio thread reads and writes
    // the current program's values and bindings meanwhile (MIDI controllers
    // and learning), so each of them moves as one 32-bit access.
    void assign(const ProgramRecord& other);

    // Copies a name, keeping at most 23 characters and the terminator.
    void setName(const char* text);
    // Writes the name, at most 23 characters and a terminator, even when a
    // chunk from outside left the field unterminated.
    void copyName(char* text) const;
};

inline constexpr int kProgramRecordSize = 4372;
static_assert(sizeof(ProgramRecord) == kProgramRecordSize);
static_assert(std::endian::native == std::endian::little,
              "the chunk is stored in the machine's byte order, which must be little-endian");

} // namespace tarvolin
