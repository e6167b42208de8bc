#pragma once

#include <array>
#include <bit>
#include <cstdint>

namespace tarvolin {

// The four wave tables every LFO reads: one cycle each in 256 entries and a
// 257th that repeats the start of the wave, so interpolating from entry 255
// needs no wrap. One set serves every LFO of every instance; it is built the
// first time it is asked for and never changes.
struct LfoTables {
    static constexpr int kSize = 256;
    using Table = std::array<float, kSize + 1>;

    // The float nearest 1/255, spreading the saw over -1..+1.
    static constexpr float kSawStep = 0.003921569f;

    static const LfoTables& shared();

    Table sine{};
    Table triangle{};
    Table saw{};
    Table rectangle{};
    // By waveform number, 0 to 3.
    const Table* byWaveform[4] = {&sine, &triangle, &saw, &rectangle};

private:
    LfoTables() noexcept;
};

static_assert(std::bit_cast<std::uint32_t>(LfoTables::kSawStep) == 0x3B808081u);

} // namespace tarvolin
