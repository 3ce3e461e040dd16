// The path check over any bytes (stray lead bytes of double-byte characters,
// NULs, any length) against the rule stated on its own: bytes 1 and 2 are ":\"
// and the last four bytes are ".ico".
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "app/IconPathCheck.h"
#include "tests/fuzz/FuzzCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const char* bytes = reinterpret_cast<const char*>(data);
    const bool onDrive = size >= 3 && bytes[1] == ':' && bytes[2] == '\\';
    const bool iconFile = size >= 4 && std::memcmp(bytes + size - 4, ".ico", 4) == 0;

    const int result = CheckIconFilePath(CString(bytes, static_cast<int>(size)));
    FUZZ_CHECK(result == (onDrive && iconFile ? 0 : 1));
    return 0;
}
