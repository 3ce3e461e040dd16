// <windows.h> for this program's own files. It defines LoadString and WinHelp
// as macros, which would rename the members of CString and CWinApp that carry
// those names in some files and not in others.
#pragma once

#include <windows.h>

#undef LoadString
#undef WinHelp
