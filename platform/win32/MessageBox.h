// Message boxes of the application: captioned with the application's name,
// texts from the string table.
#pragma once

#include "platform/win32/WinApi.h"

#include "platform/CString.h"

// Shows `text` and returns the button pressed. A box that names no icon gets
// the exclamation icon.
int AfxMessageBox(const char* text, UINT type);
int AfxMessageBox(UINT stringId, UINT type);

// `out` = string `stringId` with `insert` in place of its first "%1".
void AfxFormatString1(CString& out, UINT stringId, const char* insert);
