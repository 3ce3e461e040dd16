#include "platform/DecimalText.h"

namespace {
bool IsBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
}  // namespace

bool ParseDecimalPrefix(const char* text, int32_t* value) {
    while (IsBlank(*text)) ++text;
    bool negative = *text == '-';
    if (*text == '-' || *text == '+') ++text;
    if (!IsDigit(*text)) return false;

    // Accumulate toward the limit of the sign's range; one digit too many
    // overflows. 32-bit arithmetic only: a 32-bit build has no 64-bit division.
    const uint32_t limit = negative ? uint32_t{INT32_MAX} + 1 : uint32_t{INT32_MAX};
    uint32_t magnitude = 0;
    for (; IsDigit(*text); ++text) {
        uint32_t digit = static_cast<uint32_t>(*text - '0');
        if (magnitude > (limit - digit) / 10) return false;
        magnitude = magnitude * 10 + digit;
    }
    *value = static_cast<int32_t>(negative ? 0u - magnitude : magnitude);
    return true;
}

char* FormatDecimal(int32_t value, char (&buffer)[kDecimalTextSize]) {
    char digits[kDecimalTextSize];
    int count = 0;
    // Unsigned, so that the most negative value has a magnitude.
    uint32_t magnitude = value < 0 ? 0u - static_cast<uint32_t>(value) : static_cast<uint32_t>(value);
    do {
        digits[count++] = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude);

    int length = 0;
    if (value < 0) buffer[length++] = '-';
    while (count) buffer[length++] = digits[--count];
    buffer[length] = '\0';
    return buffer;
}
