#pragma once

#include <bit>
#include <cstdint>

namespace tarvolin {

// The white-noise source. Its seed is one value for the whole module, shared
// by every instance and never reset: it starts at 0 when the module loads and
// advances once per rendered sample of any instance. A source takes the seed
// when it is made and hands it back when it goes, so a block of samples reads
// and writes the shared value once, not once per sample: the sequence of one
// instance is the same, and instances on other cores do not fight over it.
class NoiseSource {
public:
    // Linear congruential step, modulo 2^32 by unsigned wrap-around.
    static constexpr std::uint32_t kMultiplier = 1103515245u;
    static constexpr std::uint32_t kIncrement = 12345u;
    // The float nearest 1/32767: maps the 15-bit draw onto 0..1.
    static constexpr float kDrawScale = 3.0518509e-05f;
    // Leaves a faint noise even with the level knob at 0.
    static constexpr float kLevelFloor = 0.0001f;

    NoiseSource() noexcept : seed_(seed()) {}
    ~NoiseSource() { setSeed(seed_); }
    NoiseSource(const NoiseSource&) = delete;
    NoiseSource& operator=(const NoiseSource&) = delete;

    // Advances the seed and returns (level + 0.0001) * r / 32767 - 0.5 for the
    // new 15-bit draw r. The -0.5 is not scaled by the level: at level 0 the
    // source is a constant of about -0.5 that the low cut later removes.
    float next(float level) noexcept { return next(seed_, level); }
    // The same on a copy of the seed that the caller keeps meanwhile, and
    // hands back through state().
    static float next(std::uint32_t& seed, float level) noexcept {
        seed = seed * kMultiplier + kIncrement;
        const auto draw = static_cast<float>((seed >> 16) & 0x7FFFu);
        return (level + kLevelFloor) * draw * kDrawScale - 0.5f;
    }
    std::uint32_t& state() noexcept { return seed_; }

    // The module's seed between blocks.
    static std::uint32_t seed() noexcept;
    // Lets a test replay a noise sequence; the module itself never calls it.
    static void setSeed(std::uint32_t value) noexcept;

private:
    std::uint32_t seed_;
};

static_assert(std::bit_cast<std::uint32_t>(NoiseSource::kDrawScale) == 0x38000100u);

} // namespace tarvolin
