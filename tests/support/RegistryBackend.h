// A registry that the reader and writer cases run against: the in-memory fake
// everywhere, and under Wine also the real registry. Each backend gives a test
// its own private key and removes it afterwards, so no test sees another's data.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "store/Host.h"
#include "tests/support/FakeHost.h"

class RegistryBackend {
public:
    virtual ~RegistryBackend() = default;

    virtual Host& host() = 0;
    // The root and key path below which the test may do anything.
    RegistryRoot Root() const { return RegistryRoot::CurrentUser; }
    virtual std::string Base() const = 0;

    // Stores raw bytes of any type, creating the key (paths are relative to Base()).
    virtual void Seed(const std::string& subKey, const std::string& valueName, uint32_t type,
                      const std::string& bytes) = 0;
    // Stores `text` as the UTF-16 string value it is in the registry.
    // `inCodePage` is that text in the code page, or none when the code page
    // cannot hold it: the real registry converts, the fake takes it as given.
    virtual void SeedText(const std::string& subKey, const std::string& valueName, const std::u16string& text,
                          const std::optional<std::string>& inCodePage) = 0;
    virtual std::optional<StoredValue> Stored(const std::string& subKey, const std::string& valueName) = 0;
    virtual bool KeyExists(const std::string& subKey) = 0;

    // Base() + "\\" + subKey.
    std::string Path(const std::string& subKey) const { return Base() + "\\" + subKey; }
};

struct RegistryBackendKind {
    std::string name;
    std::function<std::unique_ptr<RegistryBackend>()> make;
};

// The backends this test program has; each backend's file adds itself.
std::vector<RegistryBackendKind>& RegistryBackendKinds();

struct RegistryBackendRegistration {
    RegistryBackendRegistration(std::string name, std::function<std::unique_ptr<RegistryBackend>()> make);
};

// The text of a stored string without the NULs a registry may add at its end.
std::string StoredText(const std::optional<StoredValue>& value);
