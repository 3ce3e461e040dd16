// Records the program's version under its own registry key at every start.
#pragma once

#include "store/Host.h"

// Writes GLYPHER_VERSION_TEXT (res/version.h) as HKLM\SOFTWARE\KESTRAWN\GLYPHER "CurrentVersion". Fails silently.
void StampVersion(Host& host);
