// The Host of the real program: the registry through ADVAPI32, the broadcast
// through USER32, the fatal report as a message box and ExitProcess.
#pragma once

#include "platform/win32/WinApi.h"

#include "store/Host.h"

class Win32Host : public Host {
public:
    Win32Host();
    Win32Host(const Win32Host&) = delete;
    Win32Host& operator=(const Win32Host&) = delete;

    int32_t OpenKey(RegistryRoot root, const char* subKey, RegistryKey* key) override;
    int32_t QueryValue(RegistryKey key, const char* valueName, char* data, uint32_t* size) override;
    int32_t CreateKey(RegistryRoot root, const char* subKey, RegistryKey* key) override;
    int32_t SetStringValue(RegistryKey key, const char* valueName, const char* data, uint32_t size) override;
    void CloseKey(RegistryKey key) override;
    void BroadcastSettingChange() override;
    void ShowMessage(unsigned stringId, const char* insert) override;
    [[noreturn]] void ExitProcess(unsigned exitCode) override;

private:
    // The registry view flag every key is opened with: KEY_WOW64_64KEY for a
    // 32-bit build on 64-bit Windows, whose shell reads only the 64-bit view; else 0.
    REGSAM m_view;
};
