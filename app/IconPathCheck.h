// Whether a path typed into the main dialog may be stored as an icon file.
#pragma once

#include "platform/CString.h"

// 0 when `path` has ":\" at byte positions 1 and 2 (a full path on a drive)
// and ends in ".ico" (lower case); 1 otherwise. Looks at nothing else: the
// file is never opened.
int CheckIconFilePath(CString path);
