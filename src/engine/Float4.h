#pragma once

#include <bit>
#include <cstdint>
#include <cstring>
#include <xmmintrin.h>

namespace tarvolin {

// Four floats side by side in one SSE register, and the same bits seen as
// four integers. Both targets have SSE2, and the compiler's vector types keep
// the arithmetic readable: one line works on all four lanes, in the same
// single-precision operations as four lines of scalar code would.
using Float4 = float __attribute__((vector_size(16)));
using Int4 = std::int32_t __attribute__((vector_size(16)));

// The same value in every lane. Constants made this way load as they are,
// where a scalar in an expression of lanes would be spread out each time.
constexpr Float4 splat(float x) noexcept {
    return Float4{x, x, x, x};
}

inline Float4 load4(const float* from) noexcept {
    Float4 lanes;
    std::memcpy(&lanes, from, sizeof lanes);
    return lanes;
}
inline void store4(float* to, Float4 lanes) noexcept {
    std::memcpy(to, &lanes, sizeof lanes);
}

// Lane by lane: `a` where `mask` is all ones, `b` where it is all zeros.
inline Float4 select(Int4 mask, Float4 a, Float4 b) noexcept {
    return std::bit_cast<Float4>((mask & std::bit_cast<Int4>(a)) |
                                 (~mask & std::bit_cast<Int4>(b)));
}

// Lane by lane: the sign bit of `x` flipped where `signs` has it set.
inline Float4 flipSigns(Float4 x, Int4 signs) noexcept {
    return std::bit_cast<Float4>(std::bit_cast<Int4>(x) ^ signs);
}

inline Float4 magnitude(Float4 x) noexcept {
    return std::bit_cast<Float4>(std::bit_cast<Int4>(x) & 0x7FFFFFFF);
}

// x, but at least `floor`: a NaN stays NaN. For one float and lane by lane.
inline float atLeast(float x, float floor) noexcept {
    return x < floor ? floor : x;
}
inline Float4 atLeast(Float4 x, float floor) noexcept {
    return select(x < floor, splat(floor), x);
}

// Lane i of x, taken by a shuffle within the register: a load from a copy in
// memory would make whatever waits for it wait longer still.
template <int i> inline float lane(Float4 x) noexcept {
    static_assert(i >= 0 && i < 4);
    const __m128 lanes = std::bit_cast<__m128>(x);
    return _mm_cvtss_f32(_mm_shuffle_ps(lanes, lanes, _MM_SHUFFLE(i, i, i, i)));
}

// Whether every lane of a comparison's mask is set.
inline bool allLanes(Int4 mask) noexcept {
    return _mm_movemask_ps(std::bit_cast<__m128>(mask)) == 0xF;
}

} // namespace tarvolin
