#pragma once

#include "engine/Float4.h"

#include <bit>
#include <cmath>
#include <cstdint>

namespace tarvolin {

// The engine's sine, cosine and power of two: what the C library computes,
// much cheaper. The sine and cosine work on four angles at once in single
// precision and come within about one unit in the last place of a value near
// 1 of the true ones; the power of two works in double precision and rounds
// once to float, so its result is the float nearest the true value, as the
// library's is, but for the rare argument whose value lies almost exactly
// between two floats. The engine is written against a math policy;
// LibraryMath is the other one, which tests swap in to show that the sound
// does not move.
struct FastMath {
    using Double2 = double __attribute__((vector_size(16)));
    using Int64x2 = std::int64_t __attribute__((vector_size(16)));

    struct SinesAndCosines {
        Float4 sine;
        Float4 cosine;
    };

    // Of each of four angles.
    [[gnu::always_inline]] static SinesAndCosines sinCos(Float4 x) noexcept {
        const Constants& k = kConstants;
        if (!allLanes(magnitude(x) < k.largestReduced)) {
            return libraryFallback(x); // drifted phases, infinities and NaN
        }
        // x = q pi/2 + r with q whole and |r| <= pi/4. Adding 1.5 * 2^23
        // rounds x 2/pi to a whole number in the low bits of the sum, and
        // those bits are q's quadrant. pi/2 comes in two parts: q times the
        // first is exact for the q allowed here, and so is x minus that, as
        // the two lie close together; only the tiny second product rounds.
        const Float4 shifted = x * k.twoOverPi + k.roundingShift;
        const Float4 q = shifted - k.roundingShift;
        const Int4 quadrant = std::bit_cast<Int4>(shifted);
        const Float4 r = (x - q * k.halfPiHigh) - q * k.halfPiLow;

        // Minimax polynomials on |r| <= pi/4, exact to about a unit in the
        // last place; the terms are grouped so that the products need not
        // wait for each other.
        const Float4 r2 = r * r;
        const Float4 r4 = r2 * r2;
        const Float4 sine = r + (r * r2) * ((k.sine3 + r2 * k.sine5) + r4 * k.sine7);
        const Float4 cosine =
            (k.one - k.half * r2) + r4 * ((k.cosine4 + r2 * k.cosine6) + r4 * k.cosine8);

        // sin(q pi/2 + r) is sin r, cos r, -sin r, -cos r for q = 0, 1, 2, 3,
        // and cos(q pi/2 + r) is cos r, -sin r, -cos r, sin r.
        const Int4 odd = (quadrant & 1) != 0;
        const Int4 sineSigns = (quadrant & 2) << 30;
        const Int4 cosineSigns = ((quadrant + 1) & 2) << 30;
        return {flipSigns(select(odd, cosine, sine), sineSigns),
                flipSigns(select(odd, sine, cosine), cosineSigns)};
    }
    static Float4 sin(Float4 x) noexcept { return sinCos(x).sine; }

    // 2^x of each of four of the pitch law's exponents (a few octaves either
    // way), in two pairs of doubles.
    static Float4 exp2(Float4 x) noexcept {
        const Constants& k = kConstants;
        if (!allLanes((x > k.lowestExponent) & (x < k.highestExponent))) {
            return exp2Fallback(x); // far outside the pitch range, and NaN
        }
        const Double2 low = exp2Series(Double2{x[0], x[1]});
        const Double2 high = exp2Series(Double2{x[2], x[3]});
        return Float4{static_cast<float>(low[0]), static_cast<float>(low[1]),
                      static_cast<float>(high[0]), static_cast<float>(high[1])};
    }

private:
    [[gnu::cold, gnu::noinline]] static SinesAndCosines libraryFallback(Float4 x) noexcept {
        SinesAndCosines values;
        for (int lane = 0; lane < 4; ++lane) {
            const double d = x[lane];
            values.sine[lane] = static_cast<float>(std::sin(d));
            values.cosine[lane] = static_cast<float>(std::cos(d));
        }
        return values;
    }

    // 2^x = 2^n * 2^r with n whole and |r| <= 1/2; 2^r = e^(r ln 2) by its
    // series, which at |r ln 2| <= 0.35 reaches double precision by the
    // twelfth power. Summed in groups, so that the products need not wait
    // for each other. Adding 1.5 * 2^52 rounds x to n in the low bits of the
    // sum; those bits, moved into the exponent field, make 2^n.
    static Double2 exp2Series(Double2 x) noexcept {
        const Constants& k = kConstants;
        const Double2 shifted = x + k.roundingShift52;
        const Double2 whole = shifted - k.roundingShift52;
        const Double2 t = (x - whole) * k.ln2;
        const Double2 t2 = t * t;
        const Double2 t4 = t2 * t2;
        const Double2 t8 = t4 * t4;
        const Double2 group0 =
            (k.inverseFactorial[1] + t) + t2 * (k.inverseFactorial[2] + t * k.inverseFactorial[3]);
        const Double2 group1 = (k.inverseFactorial[4] + t * k.inverseFactorial[5]) +
                               t2 * (k.inverseFactorial[6] + t * k.inverseFactorial[7]);
        const Double2 group2 = (k.inverseFactorial[8] + t * k.inverseFactorial[9]) +
                               t2 * (k.inverseFactorial[10] + t * k.inverseFactorial[11]);
        const Double2 series = group0 + t4 * group1 + t8 * (group2 + t4 * k.inverseFactorial[12]);
        const Int64x2 whole52 =
            std::bit_cast<Int64x2>(shifted) - std::bit_cast<Int64x2>(k.roundingShift52);
        return series * std::bit_cast<Double2>((whole52 + 1023) << 52);
    }

    [[gnu::cold, gnu::noinline]] static Float4 exp2Fallback(Float4 x) noexcept {
        const Constants& k = kConstants;
        Float4 powers;
        for (int lane = 0; lane < 4; ++lane) {
            const float e = x[lane];
            powers[lane] = e > k.lowestExponent[0] && e < k.highestExponent[0]
                               ? static_cast<float>(exp2Series(Double2{e, e})[0])
                               : std::exp2(e);
        }
        return powers;
    }

    // The constants, each in every lane. They are defined out of line, where
    // the compiler cannot see their values: it then reads each as one
    // register from memory, rather than spreading a scalar into the lanes
    // every time it is used.
    struct Constants {
        Float4 twoOverPi;
        Float4 roundingShift; // 1.5 * 2^23
        // pi/2 to 18 bits, and the rest; q times the first is exact for |q| < 64.
        Float4 halfPiHigh;
        Float4 halfPiLow;
        // Up to here |q| is at most 41.
        Float4 largestReduced;
        Float4 one;
        Float4 half;
        Float4 sine3, sine5, sine7;
        Float4 cosine4, cosine6, cosine8;
        // 2^x stays within the normal doubles and floats.
        Float4 lowestExponent;
        Float4 highestExponent;
        Double2 roundingShift52; // 1.5 * 2^52
        Double2 ln2;
        Double2 inverseFactorial[13]; // 1 / n!
    };
    static const Constants kConstants;
};

} // namespace tarvolin
