#include "instrument/ProgramBank.h"

#include "instrument/ParameterStore.h"

#include <cstring>

namespace tarvolin {

namespace {

std::unique_ptr<ProgramRecord[]> makeDefaultPrograms() {
    auto programs = std::make_unique<ProgramRecord[]>(kNumPrograms);
    for (int p = 0; p < kNumPrograms; ++p) {
        programs[p] = ProgramRecord::makeDefault();
    }
    return programs;
}

} // namespace

ProgramBank::ProgramBank(ParameterStore& parameters)
    : parameters(parameters), programs(makeDefaultPrograms()) {
    select(0);
}

void ProgramBank::select(int program) {
    if (!exists(program)) {
        return;
    }
    currentIndex.store(program, std::memory_order_relaxed);
    parameters.setProgram(programs[program]);
    // Other threads may store into the record while it is applied, so its
    // values are read one atomic access at a time.
    for (int c = 0; c < kNumChannels; ++c) {
        for (int i = 0; i < kReloadedParameters; ++i) {
            parameters.store(c, i, parameters.programValue(c, i));
        }
        // The channel selector and the export switch are stored without acting
        // on them: mid-load they would re-select a channel or start an export.
        for (int i = kChannel; i < kNumParameters; ++i) {
            parameters.storeQuietly(c, i, parameters.programValue(c, i));
        }
    }
}

const ProgramRecord& ProgramBank::currentRecord() const {
    return parameters.program();
}

void ProgramBank::setCurrentName(const char* name) {
    parameters.program().setName(name);
}

void ProgramBank::copyCurrentName(char* text) const {
    parameters.program().copyName(text);
}

bool ProgramBank::copyName(int program, char* text) const {
    if (!exists(program)) {
        return false;
    }
    programs[program].copyName(text);
    return true;
}

bool ProgramBank::copyCurrentTo(int program) {
    if (!exists(program)) {
        return false;
    }
    programs[program].assign(parameters.program());
    return true;
}

bool ProgramBank::restore(std::span<const std::byte> state) {
    // A short state cannot be a program of ours; reading it whole would run past its end.
    if (state.size() < static_cast<std::size_t>(kProgramRecordSize)) {
        return false;
    }
    // Kept byte for byte: the engine limits what it computes with, and names
    // are read within their field.
    ProgramRecord restored;
    std::memcpy(&restored, state.data(), kProgramRecordSize);
    parameters.program().assign(restored);
    select(current());
    return true;
}

} // namespace tarvolin
