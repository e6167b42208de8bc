#pragma once

#include <cstdint>

namespace tarvolin {

// The eight-character texts hosts show beside a parameter. Every function
// writes at most 8 characters and a terminator into text (9 bytes or more).

// Sign, integer digits, point and as many fraction digits as fill 8
// characters; each digit is truncated, never rounded. Values outside
// -9999999..99999999, and NaN, leave text exactly as it was.
void floatToText(float value, char* text);

// 20 log10 of a gain factor; "  -oo   " for 0 and below.
void decibelsToText(float value, char* text);

// The frequency of a period of that many samples.
void hertzToText(float samples, float sampleRate, char* text);

// The duration of that many samples.
void millisecondsToText(float samples, float sampleRate, char* text);

// Right-aligned in 7 places; " Huge!  " from 100000000 up.
void integerToText(std::int32_t value, char* text);

} // namespace tarvolin
