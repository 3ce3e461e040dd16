// Everything the store and the edit cycle need from the machine: the registry,
// the settings-change broadcast, and the fatal report. The Win32 host does
// the real calls; tests use an in-memory host that records each call.
//
// Registry results are the Win32 codes: 0 for success, else the error code,
// and both hosts return the same codes for the same situation.
#pragma once

#include <cstdint>

#include "store/RegistryRoot.h"

using RegistryKey = struct RegistryKeyHandle*;

// Bytes of value data a query can return, terminating NUL included.
constexpr uint32_t kRegistryTextCapacity = 260;

class Host {
public:
    // Opens an existing key for reading; never creates one. `*key` is set only on success.
    virtual int32_t OpenKey(RegistryRoot root, const char* subKey, RegistryKey* key) = 0;

    // Reads a value of any type into `data` (capacity `*size` bytes); on success
    // `*size` is the number of bytes returned. Text comes in the code page. A
    // value larger than the buffer fails with ERROR_MORE_DATA, text that the
    // code page cannot hold exactly with ERROR_NO_UNICODE_TRANSLATION (1113).
    // "" names the key's default value.
    virtual int32_t QueryValue(RegistryKey key, const char* valueName, char* data, uint32_t* size) = 0;

    // Opens a key for writing, creating it and any missing parent keys.
    // `*key` is set only on success.
    virtual int32_t CreateKey(RegistryRoot root, const char* subKey, RegistryKey* key) = 0;

    // Stores `size` bytes of `data` as a REG_SZ value, replacing any value of
    // that name whatever its type.
    virtual int32_t SetStringValue(RegistryKey key, const char* valueName, const char* data, uint32_t size) = 0;

    virtual void CloseKey(RegistryKey key) = 0;

    // Tells every top-level window that system settings changed (WM_SETTINGCHANGE,
    // wParam 0, lParam 0) and waits for the windows that answer.
    virtual void BroadcastSettingChange() = 0;

    // Shows string `stringId` from the string table in an OK message box, with
    // `insert` in place of its "%1" when given. Returns when the user dismisses it.
    virtual void ShowMessage(unsigned stringId, const char* insert) = 0;

    // Ends the process at once with `exitCode`: nothing after this call runs.
    [[noreturn]] virtual void ExitProcess(unsigned exitCode) = 0;

protected:
    ~Host() = default;
};
