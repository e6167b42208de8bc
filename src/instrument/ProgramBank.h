#pragma once

#include "instrument/ProgramRecord.h"

#include <atomic>
#include <cstddef>
#include <memory>
#include <span>

namespace tarvolin {

class ParameterStore;

// The five programs. The current one is where every value is stored, and its
// record is the instrument's state: hosts read it in place and restore it.
class ProgramBank {
public:
    // Five default programs, the first applied.
    explicit ProgramBank(ParameterStore& parameters);

    int current() const { return currentIndex.load(std::memory_order_relaxed); }
    // Makes a program current and stores its values on every channel; other
    // numbers are ignored.
    void select(int program);
    const ProgramRecord& currentRecord() const;

    void setCurrentName(const char* name);
    void copyCurrentName(char* text) const;
    // False for a program that does not exist.
    bool copyName(int program, char* text) const;
    // Copies the current program over another; false for one that does not exist.
    bool copyCurrentTo(int program);

    // Takes a whole record over the current program, byte for byte, and
    // applies it; false, changing nothing, for fewer bytes than a record.
    bool restore(std::span<const std::byte> state);

private:
    static bool exists(int program) { return program >= 0 && program < kNumPrograms; }

    ParameterStore& parameters;
    std::unique_ptr<ProgramRecord[]> programs;
    std::atomic<int> currentIndex{0};
};

} // namespace tarvolin
