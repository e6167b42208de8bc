#include "engine/LfoTables.h"

#include <cmath>

namespace tarvolin {

const LfoTables& LfoTables::shared() {
    static const LfoTables tables;
    return tables;
}

LfoTables::LfoTables() noexcept {
    // The sine is evaluated in double and stored as float, so each entry is
    // the float nearest the true value on every platform's libm.
    const double pi = 4.0 * std::atan(1.0);
    for (int j = 0; j <= kSize; ++j) {
        sine[j] = static_cast<float>(std::sin(2.0 * pi * j / 256.0));
    }

    // Four straight quarters: 0 up to 1, down to 0, down to -1, back up.
    for (int a = 0; a < 64; ++a) {
        const auto step = static_cast<float>(a);
        triangle[a] = step / 64.0f;
        triangle[64 + a] = (64.0f - step) / 64.0f;
        triangle[128 + a] = static_cast<float>(-a) / 64.0f; // +0 at entry 128, not -0
        triangle[192 + a] = (step - 64.0f) / 64.0f;
    }
    triangle[kSize] = 0.0f;

    for (int i = 0; i < kSize; ++i) {
        saw[i] = static_cast<float>(i) * kSawStep * 2.0f - 1.0f;
    }
    saw[kSize] = -1.0f;

    for (int i = 0; i < kSize; ++i) {
        rectangle[i] = i < kSize / 2 ? 1.0f : -1.0f;
    }
    rectangle[kSize] = 1.0f;
}

} // namespace tarvolin
