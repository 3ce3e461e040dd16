// Records the program's version under its own registry key at every start.
#pragma once

#include "store/Host.h"

// The release, as the about box and the registry stamp name it.
#define GLYPHER_VERSION_TEXT "1.01"

// Writes HKLM\SOFTWARE\KESTRAWN\GLYPHER "CurrentVersion" = "1.01". Fails silently.
void StampVersion(Host& host);
