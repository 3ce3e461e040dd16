// An in-memory Host for tests: a registry that behaves as the Win32 one does
// for the calls the program makes, a log of every call with its arguments,
// data bytes and byte count, and failures injected on demand.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "store/Host.h"

// Win32 error codes the fake returns where Windows would.
constexpr int32_t kErrorFileNotFound = 2;
constexpr int32_t kErrorAccessDenied = 5;
constexpr int32_t kErrorMoreData = 234;
constexpr int32_t kErrorNoUnicodeTranslation = 1113;

constexpr uint32_t kRegSz = 1;
constexpr uint32_t kRegBinary = 3;
constexpr uint32_t kRegDword = 4;

// Thrown by FakeHost::ExitProcess so that a test sees that nothing ran after it.
struct ProcessExit {
    unsigned code;
};

struct StoredValue {
    uint32_t type;
    std::string bytes;
    // False for text that the code page cannot hold: querying it fails.
    bool inCodePage = true;
};

// "HKCR", "HKCU" or "HKLM", as the call log writes the roots.
std::string RootName(RegistryRoot root);

class FakeHost : public Host {
public:
    int32_t OpenKey(RegistryRoot root, const char* subKey, RegistryKey* key) override;
    int32_t QueryValue(RegistryKey key, const char* valueName, char* data, uint32_t* size) override;
    int32_t CreateKey(RegistryRoot root, const char* subKey, RegistryKey* key) override;
    int32_t SetStringValue(RegistryKey key, const char* valueName, const char* data, uint32_t size) override;
    void CloseKey(RegistryKey key) override;
    void BroadcastSettingChange() override;
    void ShowMessage(unsigned stringId, const char* insert) override;
    [[noreturn]] void ExitProcess(unsigned exitCode) override;

    // Makes the `nth` call (from 1) of `operation` fail with `code`. Operations
    // are named as in the log: "open", "query", "create", "set".
    void FailCall(const std::string& operation, int nth, int32_t code);

    // Direct access to the stored data, outside the log.
    void Seed(RegistryRoot root, const std::string& subKey, const std::string& valueName, uint32_t type,
              const std::string& bytes);
    void SeedKey(RegistryRoot root, const std::string& subKey);
    // A string value whose text has a character the code page lacks.
    void SeedNotInCodePage(RegistryRoot root, const std::string& subKey, const std::string& valueName);
    std::optional<StoredValue> Stored(RegistryRoot root, const std::string& subKey,
                                      const std::string& valueName) const;
    bool KeyExists(RegistryRoot root, const std::string& subKey) const;

    // Every call so far, one line each, e.g.
    //   set HKCU\Control Panel\desktop\windowmetrics [Shell Icon Size] "31" (2)
    // with " -> code" after a call that failed.
    const std::vector<std::string>& Log() const { return m_log; }
    // Only the lines that start with `operation` and a space.
    std::vector<std::string> LogOf(const std::string& operation) const;
    void ClearLog() { m_log.clear(); }

    // The "Shell Icon Size" value as it was at each broadcast ("" when missing).
    const std::vector<std::string>& MetricAtBroadcasts() const { return m_metricAtBroadcasts; }

private:
    struct Key {
        std::map<std::string, StoredValue> values;  // by lower-case name
    };
    struct OpenHandle {
        std::string path;  // root and subkey as the log writes them
    };

    static std::string PathOf(RegistryRoot root, const std::string& subKey);
    int32_t Injected(const std::string& operation);
    void Record(std::string line, int32_t result);
    int32_t OpenOrCreate(const char* operation, RegistryRoot root, const char* subKey, bool create,
                         RegistryKey* key);

    std::map<std::string, Key> m_keys;  // by lower-case path
    std::map<uintptr_t, OpenHandle> m_handles;
    uintptr_t m_nextHandle = 0x100;
    std::map<std::string, int> m_callCounts;
    std::map<std::string, std::map<int, int32_t>> m_failures;
    std::vector<std::string> m_log;
    std::vector<std::string> m_metricAtBroadcasts;
};
