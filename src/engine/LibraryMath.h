#pragma once

#include <cmath>

namespace tarvolin {

// The C library's single-precision sine, cosine and power of two, behind the
// same face as FastMath: what the engine is checked against.
struct LibraryMath {
    struct SineAndCosine {
        float sine;
        float cosine;
    };

    static float sin(float x) noexcept { return std::sin(x); }
    static float cos(float x) noexcept { return std::cos(x); }
    static float exp2(float x) noexcept { return std::exp2(x); }
    static SineAndCosine sinCos(float x) noexcept { return {std::sin(x), std::cos(x)}; }

    struct TwoSinesAndCosines {
        SineAndCosine first;
        SineAndCosine second;
    };
    static TwoSinesAndCosines sinCosPair(float a, float b) noexcept {
        return {sinCos(a), sinCos(b)};
    }
};

} // namespace tarvolin
