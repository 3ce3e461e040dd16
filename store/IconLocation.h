// Reading and writing one icon location. In the registry a location is the
// icon file's path followed by ",0" (icon index 0); everywhere else it is the
// bare path. Reading never reports a failure; a failed write is fatal.
#pragma once

#include "platform/CString.h"
#include "store/Host.h"

// Sets `path` to the stored text up to its first comma, or to "" when the value
// is missing or cannot be read. A key that cannot be opened leaves `path` as it was.
void ReadIconLocation(Host& host, RegistryRoot root, const char* subKey, CString& path,
                      const char* valueName);

// Stores `path` followed by ",0". An empty path writes nothing at all.
// Returns only when the value is stored; a failure ends the process.
void WriteIconLocation(Host& host, RegistryRoot root, const char* subKey, CString path,
                       const char* valueName);

// Stores `text` as it is, creating the key when missing. Returns only when the
// value is stored; a failure ends the process.
void WriteRegistryText(Host& host, RegistryRoot root, const char* subKey, const CString& text,
                       const char* valueName);

// Shows string `stringId` with `errorCode` in place of its "%1", then ends the
// process with exit code 1.
[[noreturn]] void FailRegistryWrite(Host& host, unsigned stringId, int32_t errorCode);
