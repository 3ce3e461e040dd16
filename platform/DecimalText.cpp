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

    // Accumulate toward the limit of the sign's range; one digit too many overflows.
    const int64_t limit = negative ? int64_t{INT32_MAX} + 1 : INT32_MAX;
    int64_t magnitude = 0;
    for (; IsDigit(*text); ++text) {
        magnitude = magnitude * 10 + (*text - '0');
        if (magnitude > limit) return false;
    }
    *value = static_cast<int32_t>(negative ? -magnitude : magnitude);
    return true;
}

char* FormatDecimal(int32_t value, char (&buffer)[kDecimalTextSize]) {
    char digits[kDecimalTextSize];
    int count = 0;
    // Work in 64 bits so that the most negative value has a magnitude.
    int64_t magnitude = value < 0 ? -int64_t{value} : value;
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
