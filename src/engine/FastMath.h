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
    // Both at once, as the saw and the rectangle need them of one angle.
    static SineAndCosine sinCos(float x) noexcept {
        const Pair pair = exactSinCos(x);
        return {static_cast<float>(pair.sine), static_cast<float>(pair.cosine)};
    }

    // 2^x for the pitch law's exponents (a few octaves either way).
    static float exp2(float x) noexcept {
        const double d = x;
        if (!(d > -126.0 && d < 127.0)) {
            return std::exp2(x); // far outside the pitch range, and NaN
        }
        // 2^x = 2^n * 2^r with n whole and |r| <= 1/2; 2^r = e^(r ln 2) by its
        // series, which at |r ln 2| <= 0.35 reaches double precision by the
        // twelfth power.
        const double whole = roundToWhole(d);
        const double t = (d - whole) * kLn2;
        double series = 1.0 / 479001600.0;
        for (const double coefficient : kExpSeries) {
            series = series * t + coefficient;
        }
        const auto exponent = static_cast<std::int64_t>(whole) + 1023;
        return static_cast<float>(series * std::bit_cast<double>(exponent << 52));
    }

private:
    struct Pair {
        double sine;
        double cosine;
    };

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
    static double sine(double r) noexcept {
        const double r2 = r * r;
        const double r4 = r2 * r2;
        const double low = -1.0 / 6 + r2 * (1.0 / 120);
        const double middle = -1.0 / 5040 + r2 * (1.0 / 362880);
        const double high = r4 * (-1.0 / 39916800);
        return r + (r * r2) * (low + r4 * (middle + high));
    }
    static double cosine(double r) noexcept {
        const double r2 = r * r;
        const double r4 = r2 * r2;
        const double low = 1.0 + r2 * -0.5;
        const double middle = 1.0 / 24 + r2 * (-1.0 / 720);
        const double high = 1.0 / 40320 + r2 * (-1.0 / 3628800);
        return low + r4 * (middle + r4 * high);
    }

    static Pair exactSinCos(float x) noexcept {
        const double d = x;
        if (!(std::fabs(d) < kLargestReduced)) {
            return {std::sin(d), std::cos(d)}; // drifted phases, infinities and NaN
        }
        const Reduced reduced = reduce(x);
        const double s = sine(reduced.r);
        const double c = cosine(reduced.r);
        switch (reduced.quadrant) {
        case 0:
            return {s, c};
        case 1:
            return {c, -s};
        case 2:
            return {-s, -c};
        default:
            return {-c, s};
        }
    }

    static constexpr double kTwoOverPi = 0.63661977236758134308;
    static constexpr double kHalfPi = 1.57079632679489661923;
    // Beyond this q pi/2 is no longer exact enough.
    static constexpr double kLargestReduced = 1e6;
    static constexpr double kLn2 = 0.69314718055994530942;
    // 1/11!, 1/10!, ..., 1/1!, 1/0!
    static constexpr double kExpSeries[] = {
        1.0 / 39916800, 1.0 / 3628800, 1.0 / 362880, 1.0 / 40320, 1.0 / 5040, 1.0 / 720,
        1.0 / 120,      1.0 / 24,      1.0 / 6,      0.5,         1.0,        1.0};

    // Nearest whole number by the classic 1.5 * 2^52 addition, which needs no
    // library call on any target; |x| < 2^51.
    static double roundToWhole(double x) noexcept {
        constexpr double kShift = 6755399441055744.0;
        return (x + kShift) - kShift;
    }
};

} // namespace tarvolin
