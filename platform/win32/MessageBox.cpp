#include "platform/win32/MessageBox.h"

#include <cstring>

#include "platform/win32/WinApp.h"

int AfxMessageBox(const char* text, UINT type) {
    if ((type & MB_ICONMASK) == 0) type |= MB_ICONEXCLAMATION;
    // The program's boxes appear while none of its windows is open; the
    // active window, if any, owns the box and waits for it.
    return MessageBoxA(GetActiveWindow(), text, AfxGetApp()->m_pszAppName, type);
}

int AfxMessageBox(UINT stringId, UINT type) {
    CString text;
    text.LoadString(stringId);
    return AfxMessageBox(text, type);
}

void AfxFormatString1(CString& out, UINT stringId, const char* insert) {
    CString pattern;
    pattern.LoadString(stringId);
    const char* placeholder = std::strstr(pattern, "%1");
    if (!placeholder) {
        out = pattern;
        return;
    }
    out = CString(pattern, static_cast<int>(placeholder - pattern));
    out += insert;
    out += placeholder + 2;
}
