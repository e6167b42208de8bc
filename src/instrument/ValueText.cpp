#include "instrument/ValueText.h"

#include <cmath>
#include <cstdio>
#include <cstring>

namespace tarvolin {

namespace {

constexpr int kTextLength = 8;

// Integer part of value mod 10, as one decimal character.
char digitOf(double value) {
    return static_cast<char>('0' + static_cast<int>(std::fmod(value, 10.0)));
}

} // namespace

void floatToText(float value, char* text) {
    double v = value;
    const bool negative = v < 0.0;
    int count = 0;
    if (negative) {
        v = -v;
        count = 1;
        if (!(v <= 9999999.0)) {
            return;
        }
    } else if (!(v <= 99999999.0)) { // also refuses NaN
        return;
    }

    // Integer digits, produced from the right; the quotient is divided, not floored.
    char digits[kTextLength + 1];
    int digitCount = 0;
    const double integerPart = std::floor(v);
    digits[digitCount++] = digitOf(integerPart);
    count += 2;
    int fittingDigits = 1;
    int allDigits = 1;
    // At most eight digits pass the range checks above; the bound on the count
    // says so to the compiler too.
    for (double quotient = integerPart / 10.0; quotient >= 1.0 && digitCount < kTextLength;
         quotient /= 10.0) {
        digits[digitCount++] = digitOf(quotient);
        ++allDigits;
        if (count < kTextLength) {
            ++count;
            ++fittingDigits;
        }
    }

    char result[kTextLength + 1];
    int length = 0;
    if (negative) {
        result[length++] = '-';
    }
    if (allDigits > fittingDigits) {
        // The point and a digit do not fit; showing only the lowest digits would
        // read as another number, so the whole integer goes out without a point.
        for (int i = allDigits - 1; i >= 0; --i) {
            result[length++] = digits[i];
        }
        result[length] = '\0';
        std::memcpy(text, result, static_cast<std::size_t>(length) + 1);
        return;
    }
    for (int i = digitCount - 1; i >= 0; --i) {
        result[length++] = digits[i];
    }
    result[length++] = '.';

    const int fractionDigits = kTextLength - count;
    if (fractionDigits > 0) {
        double m = std::fmod(v, 1.0) * std::pow(10.0, fractionDigits);
        for (int i = fractionDigits - 1; i >= 0; --i) {
            if (m <= 0.0) {
                result[length + i] = '0';
            } else {
                result[length + i] = digitOf(m);
                m *= 0.1;
            }
        }
        length += fractionDigits;
    }
    result[length] = '\0';
    std::memcpy(text, result, static_cast<std::size_t>(length) + 1);
}

void decibelsToText(float value, char* text) {
    if (value <= 0.0f) {
        std::strcpy(text, "  -oo   ");
        return;
    }
    floatToText(static_cast<float>(20.0 * std::log10(value)), text);
}

void hertzToText(float samples, float sampleRate, char* text) {
    if (samples == 0.0f) {
        floatToText(0.0f, text);
        return;
    }
    floatToText(sampleRate / samples, text);
}

void millisecondsToText(float samples, float sampleRate, char* text) {
    floatToText(samples * 1000.0f / sampleRate, text);
}

void integerToText(std::int32_t value, char* text) {
    if (value >= 100000000) {
        std::strcpy(text, " Huge!  ");
        return;
    }
    char formatted[16];
    std::snprintf(formatted, sizeof formatted, "%7d", static_cast<int>(value));
    formatted[kTextLength] = '\0';
    std::strcpy(text, formatted);
}

} // namespace tarvolin
