// Decimal text to number and back, for registry texts and messages.
#pragma once

#include <cstdint>

// Reads a number as the C library's strtol does in base 10: leading white
// space, one optional sign, then digits up to the first other byte.
// False when no digit follows or the number does not fit in 32 signed bits.
bool ParseDecimalPrefix(const char* text, int32_t* value);

// Room for the longest text FormatDecimal writes: "-2147483648" and its NUL.
constexpr int kDecimalTextSize = 12;

// Writes `value` as "-" (when negative) and digits without leading zeros.
// Returns `buffer`.
char* FormatDecimal(int32_t value, char (&buffer)[kDecimalTextSize]);
