#include "tests/support/FakeHost.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace {
std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}
}  // namespace

std::string RootName(RegistryRoot root) {
    switch (root) {
    case RegistryRoot::ClassesRoot: return "HKCR";
    case RegistryRoot::CurrentUser: return "HKCU";
    case RegistryRoot::LocalMachine: return "HKLM";
    }
    return "?";
}

std::string FakeHost::PathOf(RegistryRoot root, const std::string& subKey) {
    return RootName(root) + "\\" + subKey;
}

int32_t FakeHost::Injected(const std::string& operation) {
    int nth = ++m_callCounts[operation];
    auto planned = m_failures.find(operation);
    if (planned == m_failures.end()) return 0;
    auto failure = planned->second.find(nth);
    return failure == planned->second.end() ? 0 : failure->second;
}

void FakeHost::Record(std::string line, int32_t result) {
    if (result != 0) line += " -> " + std::to_string(result);
    m_log.push_back(line);
}

int32_t FakeHost::OpenOrCreate(const char* operation, RegistryRoot root, const char* subKey, bool create,
                               RegistryKey* key) {
    std::string path = PathOf(root, subKey);
    int32_t result = Injected(operation);
    if (result == 0) {
        if (create) {
            SeedKey(root, subKey);
        } else if (!m_keys.count(Lower(path))) {
            result = kErrorFileNotFound;
        }
    }
    if (result == 0) {
        uintptr_t handle = m_nextHandle++;
        m_handles[handle] = OpenHandle{path};
        *key = reinterpret_cast<RegistryKey>(handle);
    }
    Record(std::string(operation) + " " + path, result);
    return result;
}

int32_t FakeHost::OpenKey(RegistryRoot root, const char* subKey, RegistryKey* key) {
    return OpenOrCreate("open", root, subKey, false, key);
}

int32_t FakeHost::CreateKey(RegistryRoot root, const char* subKey, RegistryKey* key) {
    return OpenOrCreate("create", root, subKey, true, key);
}

int32_t FakeHost::QueryValue(RegistryKey key, const char* valueName, char* data, uint32_t* size) {
    const std::string& path = m_handles.at(reinterpret_cast<uintptr_t>(key)).path;
    int32_t result = Injected("query");
    uint32_t capacity = *size;
    if (result == 0) {
        const Key& stored = m_keys.at(Lower(path));
        auto value = stored.values.find(Lower(valueName));
        if (value == stored.values.end()) {
            result = kErrorFileNotFound;
        } else if (!value->second.inCodePage) {
            result = kErrorNoUnicodeTranslation;
        } else if (value->second.bytes.size() > capacity) {
            result = kErrorMoreData;
            *size = static_cast<uint32_t>(value->second.bytes.size());
        } else {
            // Bytes past the returned data hold a sentinel, so a reader that
            // looks beyond *size sees garbage instead of a lucky NUL.
            std::memset(data, 0xBD, capacity);
            std::memcpy(data, value->second.bytes.data(), value->second.bytes.size());
            *size = static_cast<uint32_t>(value->second.bytes.size());
        }
    }
    Record("query " + path + " [" + valueName + "]", result);
    return result;
}

int32_t FakeHost::SetStringValue(RegistryKey key, const char* valueName, const char* data, uint32_t size) {
    const std::string& path = m_handles.at(reinterpret_cast<uintptr_t>(key)).path;
    int32_t result = Injected("set");
    std::string bytes(data, size);
    if (result == 0) m_keys[Lower(path)].values[Lower(valueName)] = StoredValue{kRegSz, bytes};
    Record("set " + path + " [" + valueName + "] \"" + bytes + "\" (" + std::to_string(size) + ")", result);
    return result;
}

void FakeHost::CloseKey(RegistryKey key) {
    auto handle = m_handles.find(reinterpret_cast<uintptr_t>(key));
    Record("close " + handle->second.path, 0);
    m_handles.erase(handle);
}

void FakeHost::BroadcastSettingChange() {
    auto metric = Stored(RegistryRoot::CurrentUser, "Control Panel\\desktop\\windowmetrics", "Shell Icon Size");
    m_metricAtBroadcasts.push_back(metric ? metric->bytes : "");
    Record("broadcast", 0);
}

void FakeHost::ShowMessage(unsigned stringId, const char* insert) {
    std::string line = "message " + std::to_string(stringId);
    if (insert) line += std::string(" ") + insert;
    Record(line, 0);
}

void FakeHost::ExitProcess(unsigned exitCode) {
    Record("exit " + std::to_string(exitCode), 0);
    throw ProcessExit{exitCode};
}

void FakeHost::FailCall(const std::string& operation, int nth, int32_t code) {
    m_failures[operation][nth] = code;
}

void FakeHost::Seed(RegistryRoot root, const std::string& subKey, const std::string& valueName, uint32_t type,
                    const std::string& bytes) {
    SeedKey(root, subKey);
    m_keys[Lower(PathOf(root, subKey))].values[Lower(valueName)] = StoredValue{type, bytes};
}

void FakeHost::SeedNotInCodePage(RegistryRoot root, const std::string& subKey, const std::string& valueName) {
    SeedKey(root, subKey);
    m_keys[Lower(PathOf(root, subKey))].values[Lower(valueName)] = StoredValue{kRegSz, "", false};
}

void FakeHost::SeedKey(RegistryRoot root, const std::string& subKey) {
    // Like RegCreateKey, create every missing key on the way down.
    std::string path = PathOf(root, subKey);
    for (size_t end = path.find('\\'); end != std::string::npos; end = path.find('\\', end + 1)) {
        m_keys[Lower(path.substr(0, end))];
    }
    m_keys[Lower(path)];
}

std::optional<StoredValue> FakeHost::Stored(RegistryRoot root, const std::string& subKey,
                                            const std::string& valueName) const {
    auto key = m_keys.find(Lower(PathOf(root, subKey)));
    if (key == m_keys.end()) return std::nullopt;
    auto value = key->second.values.find(Lower(valueName));
    if (value == key->second.values.end()) return std::nullopt;
    return value->second;
}

bool FakeHost::KeyExists(RegistryRoot root, const std::string& subKey) const {
    return m_keys.count(Lower(PathOf(root, subKey))) != 0;
}

std::vector<std::string> FakeHost::LogOf(const std::string& operation) const {
    std::vector<std::string> lines;
    for (const std::string& line : m_log) {
        if (line.compare(0, operation.size() + 1, operation + " ") == 0 || line == operation) lines.push_back(line);
    }
    return lines;
}
