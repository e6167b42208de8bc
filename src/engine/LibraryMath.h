#pragma once

#include "engine/Float4.h"

#include <cmath>

namespace tarvolin {

// The C library's single-precision sine, cosine and power of two, behind the
// same face as FastMath: what the engine is checked against.
struct LibraryMath {
    struct SinesAndCosines {
        Float4 sine;
        Float4 cosine;
    };

    static SinesAndCosines sinCos(Float4 x) noexcept {
        SinesAndCosines values;
        for (int lane = 0; lane < 4; ++lane) {
            values.sine[lane] = std::sin(x[lane]);
            values.cosine[lane] = std::cos(x[lane]);
        }
        return values;
    }
    static Float4 sin(Float4 x) noexcept { return sinCos(x).sine; }
    static Float4 exp2(Float4 x) noexcept {
        Float4 powers;
        for (int lane = 0; lane < 4; ++lane) {
            powers[lane] = std::exp2(x[lane]);
        }
        return powers;
    }
};

} // namespace tarvolin
