// The decimal text the icon-cache refresh reads and writes: any text parses as
// the C library's strtoll reads it, limited to 32 bits; every 32-bit value
// formats as printf's "%d" and parses back to itself, and so do the lowered and
// restored sizes the refresh writes for a size it read.
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/DecimalText.h"
#include "tests/fuzz/FuzzCheck.h"

namespace {

void CheckRoundTrip(int32_t value) {
    char text[kDecimalTextSize];
    FUZZ_CHECK(FormatDecimal(value, text) == text);
    char expected[kDecimalTextSize];
    std::snprintf(expected, sizeof expected, "%d", value);
    FUZZ_CHECK(std::strcmp(text, expected) == 0);

    int32_t parsed = 0;
    FUZZ_CHECK(ParseDecimalPrefix(text, &parsed));
    FUZZ_CHECK(parsed == value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // The whole input is the text, up to its first NUL as for any C string.
    const std::string text(reinterpret_cast<const char*>(data), size);

    errno = 0;
    char* end = nullptr;
    const long long reference = std::strtoll(text.c_str(), &end, 10);
    const bool fits = end != text.c_str() && errno != ERANGE && reference >= INT32_MIN && reference <= INT32_MAX;

    int32_t parsed = 0;
    const bool ok = ParseDecimalPrefix(text.c_str(), &parsed);
    FUZZ_CHECK(ok == fits);
    if (ok) {
        FUZZ_CHECK(parsed == reference);
        // The refresh lowers a size of at least 1 by one, then restores it.
        if (parsed >= 1) CheckRoundTrip(parsed - 1);
    }

    // Any 32-bit value: the first four bytes, whatever they are.
    uint32_t bits = 0;
    std::memcpy(&bits, data, size < sizeof bits ? size : sizeof bits);
    CheckRoundTrip(static_cast<int32_t>(bits));
    if (ok) CheckRoundTrip(parsed);
    return 0;
}
