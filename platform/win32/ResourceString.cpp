// CString::LoadString, which needs the executable's string table.
#include "platform/win32/WinApi.h"

#include "platform/CString.h"
#include "platform/win32/WinApp.h"

bool CString::LoadString(unsigned stringId) {
    // LoadStringA truncates silently; grow the buffer until the text fits
    // with room to spare, so no string is ever cut.
    for (int capacity = 256;; capacity *= 2) {
        int length = LoadStringA(AfxGetResourceHandle(), stringId, GetBuffer(capacity), capacity + 1);
        if (length < capacity) {
            ReleaseBuffer(length);
            return length > 0;
        }
    }
}
