// The real registry as a backend for the reader and writer cases, in a key of
// its own under HKCU that is removed after each test.
#include <gtest/gtest.h>

#include "platform/win32/WinApi.h"

#include <atomic>

#include "platform/win32/Win32Host.h"
#include "tests/support/RegistryBackend.h"

namespace {

class Win32Backend : public RegistryBackend {
public:
    Win32Backend() {
        static std::atomic<int> counter{0};
        m_base = "Software\\GlypherTests\\" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++counter);
    }
    ~Win32Backend() override { RegDeleteTreeA(HKEY_CURRENT_USER, m_base.c_str()); }

    Host& host() override { return m_host; }
    std::string Base() const override { return m_base; }

    void Seed(const std::string& subKey, const std::string& valueName, uint32_t type,
              const std::string& bytes) override {
        HKEY key;
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, Path(subKey).c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                                  &key, nullptr),
                  ERROR_SUCCESS);
        EXPECT_EQ(RegSetValueExA(key, valueName.c_str(), 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                                 static_cast<DWORD>(bytes.size())),
                  ERROR_SUCCESS);
        RegCloseKey(key);
    }

    void SeedText(const std::string& subKey, const std::string& valueName, const std::u16string& text,
                  const std::optional<std::string>&) override {
        HKEY key;
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, Path(subKey).c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                                  &key, nullptr),
                  ERROR_SUCCESS);
        std::wstring name(valueName.begin(), valueName.end());  // names here are ASCII
        EXPECT_EQ(RegSetValueExW(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                                 static_cast<DWORD>((text.size() + 1) * sizeof(char16_t))),
                  ERROR_SUCCESS);
        RegCloseKey(key);
    }

    std::optional<StoredValue> Stored(const std::string& subKey, const std::string& valueName) override {
        HKEY key;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, Path(subKey).c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
            return std::nullopt;
        DWORD type = 0, size = 0;
        std::optional<StoredValue> value;
        if (RegQueryValueExA(key, valueName.c_str(), nullptr, &type, nullptr, &size) == ERROR_SUCCESS) {
            std::string bytes(size, '\0');
            RegQueryValueExA(key, valueName.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&bytes[0]), &size);
            bytes.resize(size);
            value = StoredValue{type, bytes};
        }
        RegCloseKey(key);
        return value;
    }

    bool KeyExists(const std::string& subKey) override {
        HKEY key;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, Path(subKey).c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
            return false;
        RegCloseKey(key);
        return true;
    }

private:
    Win32Host m_host;
    std::string m_base;
};

RegistryBackendRegistration g_win32("Win32", [] { return std::make_unique<Win32Backend>(); });

}  // namespace
