// The real program's Host against the real registry and window system.
#include <gtest/gtest.h>

#include "platform/win32/WinApi.h"

#include <chrono>
#include <string>

#include "platform/win32/Win32Host.h"
#include "store/IconLocation.h"
#include "tests/win32/HungWindow.h"

namespace {

bool RunsUnderWow64() {
    BOOL wow64 = FALSE;
    return IsWow64Process(GetCurrentProcess(), &wow64) && wow64;
}

bool ValueExistsInView(const std::string& subKey, REGSAM view) {
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, subKey.c_str(), 0, KEY_QUERY_VALUE | view, &key) != ERROR_SUCCESS)
        return false;
    bool exists = RegQueryValueExA(key, "probe", nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
    RegCloseKey(key);
    return exists;
}

void DeleteFromView(const char* parent, const std::string& name, REGSAM view) {
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, parent, 0, KEY_ALL_ACCESS | view, &key) != ERROR_SUCCESS) return;
    RegDeleteTreeA(key, name.c_str());
    RegCloseKey(key);
}

// A 32-bit program on 64-bit Windows must write where the 64-bit shell reads;
// a native program writes there anyway.
TEST(Win32Host, WritesAndReadsMachineKeysInTheSixtyFourBitView) {
    const char kParent[] = "SOFTWARE";
    const std::string name = "GlypherViewTest-" + std::to_string(GetCurrentProcessId());
    const std::string subKey = std::string(kParent) + "\\" + name;
    Win32Host host;

    WriteRegistryText(host, RegistryRoot::LocalMachine, subKey.c_str(), "written", "probe");
    CString readBack;
    ReadIconLocation(host, RegistryRoot::LocalMachine, subKey.c_str(), readBack, "probe");
    bool in64 = ValueExistsInView(subKey, KEY_WOW64_64KEY);
    bool in32 = ValueExistsInView(subKey, KEY_WOW64_32KEY);
    DeleteFromView(kParent, name, KEY_WOW64_64KEY);
    DeleteFromView(kParent, name, KEY_WOW64_32KEY);

    EXPECT_EQ(std::string(readBack), "written");
    EXPECT_TRUE(in64) << "the value is not in the 64-bit view";
    if (RunsUnderWow64()) {
        EXPECT_FALSE(in32) << "the value went to the 32-bit view";
    }
}

// The fake answers these codes too; they must be the ones Windows gives.
TEST(Win32Host, QueryFailsOnTextTheCodePageCannotHoldOrThatOutgrowsTheBuffer) {
    const std::string subKey = "Software\\GlypherTests\\host-" + std::to_string(GetCurrentProcessId());
    HKEY written;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, subKey.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &written,
                              nullptr),
              ERROR_SUCCESS);
    const std::wstring lossy = L"C:\\Ic\u00F4nes\\a.ico";
    const std::wstring longText(130, L'\u6F22');  // 130 kanji: 261 bytes in the code page with the NUL
    for (auto [name, text] : {std::pair{L"lossy", &lossy}, std::pair{L"long", &longText}}) {
        RegSetValueExW(written, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text->c_str()),
                       static_cast<DWORD>((text->size() + 1) * sizeof(wchar_t)));
    }
    RegCloseKey(written);

    Win32Host host;
    RegistryKey key;
    ASSERT_EQ(host.OpenKey(RegistryRoot::CurrentUser, subKey.c_str(), &key), ERROR_SUCCESS);
    for (auto [name, code] : {std::pair{"lossy", ERROR_NO_UNICODE_TRANSLATION}, std::pair{"long", ERROR_MORE_DATA}}) {
        char data[kRegistryTextCapacity];
        uint32_t size = sizeof data;
        EXPECT_EQ(host.QueryValue(key, name, data, &size), code) << name;
    }
    host.CloseKey(key);
    RegDeleteTreeA(HKEY_CURRENT_USER, subKey.c_str());
}

TEST(Win32Host, BroadcastDoesNotWaitForeverOnAHungWindow) {
    HungWindow hung;
    Win32Host host;
    auto start = std::chrono::steady_clock::now();
    host.BroadcastSettingChange();  // a wait without limit never returns here
    auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_LT(elapsed, std::chrono::seconds(15));
}

}  // namespace
