#pragma once

#include <bit>
#include <cmath>
#include <cstdint>

namespace tarvolin {

// The engine's sine, cosine and power of two: what the C library computes,
// much cheaper. Each works in double precision and rounds once to float, so
// its result is the float nearest the true value, as the library's is, but
// for the rare argument whose value lies almost exactly between two floats.
// The engine is written against a math policy; LibraryMath is the other one,
// which tests swap in to show that the sound does not move.
struct FastMath {
    struct SineAndCosine {
        float sine;
        float cosine;
    };

    static float sin(float x) noexcept {
        if (!(std::fabs(static_cast<double>(x)) < kLargestReduced)) {
            return static_cast<float>(std::sin(static_cast<double>(x)));
        }
        const Reduced reduced = reduce(x);
        // sin(q pi/2 + r) is sin r, cos r, -sin r, -cos r for q = 0, 1, 2, 3.
        const double value = (reduced.quadrant & 1) != 0 ? cosine(reduced.r) : sine(reduced.r);
        return static_cast<float>((reduced.quadrant & 2) != 0 ? -value : value);
    }
    static float cos(float x) noexcept {
        if (!(std::fabs(static_cast<double>(x)) < kLargestReduced)) {
            return static_cast<float>(std::cos(static_cast<double>(x)));
        }
        const Reduced reduced = reduce(x);
        // cos(q pi/2 + r) is cos r, -sin r, -cos r, sin r for q = 0, 1, 2, 3.
        const double value = (reduced.quadrant & 1) != 0 ? sine(reduced.r) : cosine(reduced.r);
        return static_cast<float>(((reduced.quadrant + 1) & 2) != 0 ? -value : value);
    }
    // Both at once, as the saw needs them of one angle.
    static SineAndCosine sinCos(float x) noexcept {
        const double d = x;
        if (!(std::fabs(d) < kLargestReduced)) {
            // drifted phases, infinities and NaN
            return {static_cast<float>(std::sin(d)), static_cast<float>(std::cos(d))};
        }
        const Reduced reduced = reduce(x);
        return turned(sine(reduced.r), cosine(reduced.r), reduced.quadrant);
    }

    struct TwoSinesAndCosines {
        SineAndCosine first;
        SineAndCosine second;
    };
    // Of two angles, as the rectangle needs them of its two branches: worked
    // out side by side in the two halves of one register, each exactly as
    // sinCos would.
    static TwoSinesAndCosines sinCosPair(float a, float b) noexcept {
        const double first = a;
        const double second = b;
        if (!(std::fabs(first) < kLargestReduced && std::fabs(second) < kLargestReduced)) {
            return {sinCos(a), sinCos(b)};
        }
        const Double2 d = {first, second};
        const Double2 q = roundToWhole(d * kTwoOverPi);
        const Double2 r = d - q * kHalfPi;
        const Double2 s = sine(r);
        const Double2 c = cosine(r);
        return {turned(s[0], c[0], static_cast<std::int64_t>(q[0]) & 3),
                turned(s[1], c[1], static_cast<std::int64_t>(q[1]) & 3)};
    }

    // 2^x for the pitch law's exponents (a few octaves either way).
    static float exp2(float x) noexcept {
        const double d = x;
        if (!(d > -126.0 && d < 127.0)) {
            return std::exp2(x); // far outside the pitch range, and NaN
        }
        // 2^x = 2^n * 2^r with n whole and |r| <= 1/2; 2^r = e^(r ln 2) by its
        // series, which at |r ln 2| <= 0.35 reaches double precision by the
        // twelfth power. Summed in groups, so that the products need not wait
        // for each other.
        const double whole = roundToWhole(d);
        const double t = (d - whole) * kLn2;
        const double t2 = t * t;
        const double t4 = t2 * t2;
        const double t8 = t4 * t4;
        const double group0 = (1.0 + t) + t2 * (1.0 / 2 + t * (1.0 / 6));
        const double group1 = (1.0 / 24 + t * (1.0 / 120)) + t2 * (1.0 / 720 + t * (1.0 / 5040));
        const double group2 =
            (1.0 / 40320 + t * (1.0 / 362880)) + t2 * (1.0 / 3628800 + t * (1.0 / 39916800));
        const double series = group0 + t4 * group1 + t8 * (group2 + t4 * (1.0 / 479001600));
        const auto exponent = static_cast<std::int64_t>(whole) + 1023;
        return static_cast<float>(series * std::bit_cast<double>(exponent << 52));
    }

private:
    using Double2 = double __attribute__((vector_size(16)));

    struct Reduced {
        double r;
        std::int64_t quadrant;
    };

    // x = q pi/2 + r with |r| <= pi/4. For |x| below a million, q pi/2 in
    // double is off by less than 1e-10, far below what a float resolves.
    static Reduced reduce(float x) noexcept {
        const double d = x;
        const double q = roundToWhole(d * kTwoOverPi);
        return {d - q * kHalfPi, static_cast<std::int64_t>(q) & 3};
    }

    // Taylor series to r^11 and r^10: at |r| <= pi/4 the first term left out
    // is a small fraction of a float's last bit, and all but about one result
    // in ten thousand round to the nearest float. Summed in pairs of terms
    // rather than one after the other, so that the products do not wait for
    // each other.
    // Written once for a double and for two side by side.
    template <class Real> static Real sine(Real r) noexcept {
        const Real r2 = r * r;
        const Real r4 = r2 * r2;
        const Real low = -1.0 / 6 + r2 * (1.0 / 120);
        const Real middle = -1.0 / 5040 + r2 * (1.0 / 362880);
        const Real high = r4 * (-1.0 / 39916800);
        return r + (r * r2) * (low + r4 * (middle + high));
    }
    template <class Real> static Real cosine(Real r) noexcept {
        const Real r2 = r * r;
        const Real r4 = r2 * r2;
        const Real low = 1.0 + r2 * -0.5;
        const Real middle = 1.0 / 24 + r2 * (-1.0 / 720);
        const Real high = 1.0 / 40320 + r2 * (-1.0 / 3628800);
        return low + r4 * (middle + r4 * high);
    }

    // sin and cos of q pi/2 + r from those of r.
    static SineAndCosine turned(double s, double c, std::int64_t quadrant) noexcept {
        switch (quadrant) {
        case 0:
            return {static_cast<float>(s), static_cast<float>(c)};
        case 1:
            return {static_cast<float>(c), static_cast<float>(-s)};
        case 2:
            return {static_cast<float>(-s), static_cast<float>(-c)};
        default:
            return {static_cast<float>(-c), static_cast<float>(s)};
        }
    }

    static constexpr double kTwoOverPi = 0.63661977236758134308;
    static constexpr double kHalfPi = 1.57079632679489661923;
    // Beyond this q pi/2 is no longer exact enough.
    static constexpr double kLargestReduced = 1e6;
    static constexpr double kLn2 = 0.69314718055994530942;
    // Nearest whole number by the classic 1.5 * 2^52 addition, which needs no
    // library call on any target; |x| < 2^51.
    template <class Real> static Real roundToWhole(Real x) noexcept {
        constexpr double kShift = 6755399441055744.0;
        return (x + kShift) - kShift;
    }
};

} // namespace tarvolin
