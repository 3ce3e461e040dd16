#include "platform/win32/Win32Host.h"

#include <cstring>

#include "platform/win32/CodePageText.h"
#include "platform/win32/MessageBox.h"

namespace {

// How long one top-level window may take to handle the settings change
// before the broadcast goes on without it.
constexpr UINT kBroadcastTimeoutMs = 5000;

HKEY RootKey(RegistryRoot root) { return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(root)); }
HKEY Handle(RegistryKey key) { return reinterpret_cast<HKEY>(key); }

REGSAM DetectRegistryView() {
#ifdef _WIN64
    return 0;
#else
    // Looked up at run time: Windows before XP SP2 has no IsWow64Process.
    using IsWow64ProcessFn = BOOL(WINAPI*)(HANDLE, PBOOL);
    auto isWow64Process = reinterpret_cast<IsWow64ProcessFn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "IsWow64Process")));
    BOOL wow64 = FALSE;
    if (isWow64Process && isWow64Process(GetCurrentProcess(), &wow64) && wow64) return KEY_WOW64_64KEY;
    return 0;
#endif
}

}  // namespace

Win32Host::Win32Host() : m_view(DetectRegistryView()) {}

int32_t Win32Host::OpenKey(RegistryRoot root, const char* subKey, RegistryKey* key) {
    HKEY opened;
    LONG result = RegOpenKeyExA(RootKey(root), subKey, 0, KEY_QUERY_VALUE | m_view, &opened);
    if (result == ERROR_SUCCESS) *key = reinterpret_cast<RegistryKey>(opened);
    return result;
}

int32_t Win32Host::QueryValue(RegistryKey key, const char* valueName, char* data, uint32_t* size) {
    // The registry keeps text as UTF-16, and the A query would hand a
    // character the code page lacks over as a substitute: query in UTF-16 and
    // convert here, where such text fails to read instead.
    WCHAR name[kRegistryTextCapacity];
    if (!MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, valueName, -1, name, kRegistryTextCapacity))
        return ERROR_INVALID_PARAMETER;
    // Every UTF-16 unit takes at least one code-page byte, so text that does
    // not fit here would not fit `data` either.
    WCHAR value[kRegistryTextCapacity];
    DWORD type;
    DWORD bytes = sizeof value;
    LONG result = RegQueryValueExW(Handle(key), name, nullptr, &type, reinterpret_cast<BYTE*>(value), &bytes);
    if (result != ERROR_SUCCESS) return result;

    if (type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ) {
        int converted;
        result = ToCodePage(value, static_cast<int>(bytes / sizeof(WCHAR)), data, static_cast<int>(*size), &converted);
        bytes = static_cast<DWORD>(converted);
    } else if (bytes > *size) {
        result = ERROR_MORE_DATA;
    } else {
        // Other types are their bytes, as the A query returns them.
        std::memcpy(data, value, bytes);
    }
    if (result == ERROR_SUCCESS) *size = bytes;
    return result;
}

int32_t Win32Host::CreateKey(RegistryRoot root, const char* subKey, RegistryKey* key) {
    HKEY created;
    LONG result = RegCreateKeyExA(RootKey(root), subKey, 0, nullptr, REG_OPTION_NON_VOLATILE,
                                  KEY_SET_VALUE | m_view, nullptr, &created, nullptr);
    if (result == ERROR_SUCCESS) *key = reinterpret_cast<RegistryKey>(created);
    return result;
}

int32_t Win32Host::SetStringValue(RegistryKey key, const char* valueName, const char* data, uint32_t size) {
    return RegSetValueExA(Handle(key), valueName, 0, REG_SZ, reinterpret_cast<const BYTE*>(data), size);
}

void Win32Host::CloseKey(RegistryKey key) { RegCloseKey(Handle(key)); }

void Win32Host::BroadcastSettingChange() {
    // Handle -1 reaches every top-level window, as HWND_BROADCAST does.
    DWORD_PTR ignored;
    SendMessageTimeoutA(reinterpret_cast<HWND>(-1), WM_SETTINGCHANGE, 0, 0, SMTO_ABORTIFHUNG, kBroadcastTimeoutMs,
                        &ignored);
}

void Win32Host::ShowMessage(unsigned stringId, const char* insert) {
    if (!insert) {
        AfxMessageBox(stringId, MB_OK);
        return;
    }
    CString text;
    AfxFormatString1(text, stringId, insert);
    AfxMessageBox(text, MB_OK);
}

void Win32Host::ExitProcess(unsigned exitCode) { ::ExitProcess(exitCode); }
