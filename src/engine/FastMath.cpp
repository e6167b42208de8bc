#include "engine/FastMath.h"

namespace tarvolin {

namespace {

constexpr FastMath::Double2 pair(double x) noexcept {
    return FastMath::Double2{x, x};
}

} // namespace

const FastMath::Constants FastMath::kConstants = {
    .twoOverPi = splat(0.63661977f),
    .roundingShift = splat(12582912.0f),
    .halfPiHigh = splat(1.5707931518554688f),
    .halfPiLow = splat(3.1749394e-06f),
    .largestReduced = splat(64.0f),
    .one = splat(1.0f),
    .half = splat(0.5f),
    .sine3 = splat(-1.6666654611e-1f),
    .sine5 = splat(8.3321608736e-3f),
    .sine7 = splat(-1.9515295891e-4f),
    .cosine4 = splat(4.166664568298827e-2f),
    .cosine6 = splat(-1.388731625493765e-3f),
    .cosine8 = splat(2.443315711809948e-5f),
    .lowestExponent = splat(-126.0f),
    .highestExponent = splat(127.0f),
    .roundingShift52 = pair(6755399441055744.0),
    .ln2 = pair(0.69314718055994530942),
    .inverseFactorial = {pair(1.0), pair(1.0), pair(1.0 / 2), pair(1.0 / 6), pair(1.0 / 24),
                         pair(1.0 / 120), pair(1.0 / 720), pair(1.0 / 5040), pair(1.0 / 40320),
                         pair(1.0 / 362880), pair(1.0 / 3628800), pair(1.0 / 39916800),
                         pair(1.0 / 479001600)},
};

} // namespace tarvolin
