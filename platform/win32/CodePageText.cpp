#include "platform/win32/CodePageText.h"

LONG ToCodePage(const WCHAR* text, int units, char* out, int capacity, int* bytes) {
    *bytes = 0;
    if (units == 0) return ERROR_SUCCESS;
    // UTF-8 holds every character but takes no default-character report;
    // it refuses only broken surrogates.
    bool utf8 = GetACP() == CP_UTF8;
    BOOL substituted = FALSE;
    int written = WideCharToMultiByte(CP_ACP, utf8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS, text, units, out,
                                      capacity, nullptr, utf8 ? nullptr : &substituted);
    if (written == 0) {
        return GetLastError() == ERROR_INSUFFICIENT_BUFFER ? ERROR_MORE_DATA : ERROR_NO_UNICODE_TRANSLATION;
    }
    if (substituted) return ERROR_NO_UNICODE_TRANSLATION;
    *bytes = written;
    return ERROR_SUCCESS;
}
