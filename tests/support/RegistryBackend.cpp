#include "tests/support/RegistryBackend.h"

std::vector<RegistryBackendKind>& RegistryBackendKinds() {
    static std::vector<RegistryBackendKind> kinds;
    return kinds;
}

RegistryBackendRegistration::RegistryBackendRegistration(std::string name,
                                                         std::function<std::unique_ptr<RegistryBackend>()> make) {
    RegistryBackendKinds().push_back({std::move(name), std::move(make)});
}

std::string StoredText(const std::optional<StoredValue>& value) {
    if (!value) return "<missing>";
    std::string text = value->bytes;
    while (!text.empty() && text.back() == '\0') text.pop_back();
    return text;
}

namespace {
class FakeBackend : public RegistryBackend {
public:
    Host& host() override { return m_host; }
    std::string Base() const override { return "Software\\GlypherTests"; }
    void Seed(const std::string& subKey, const std::string& valueName, uint32_t type,
              const std::string& bytes) override {
        m_host.Seed(Root(), Path(subKey), valueName, type, bytes);
    }
    void SeedText(const std::string& subKey, const std::string& valueName, const std::u16string&,
                  const std::optional<std::string>& inCodePage) override {
        if (inCodePage) {
            Seed(subKey, valueName, kRegSz, *inCodePage + '\0');
        } else {
            m_host.SeedNotInCodePage(Root(), Path(subKey), valueName);
        }
    }
    std::optional<StoredValue> Stored(const std::string& subKey, const std::string& valueName) override {
        return m_host.Stored(Root(), Path(subKey), valueName);
    }
    bool KeyExists(const std::string& subKey) override { return m_host.KeyExists(Root(), Path(subKey)); }

private:
    FakeHost m_host;
};

RegistryBackendRegistration g_fake("Fake", [] { return std::make_unique<FakeBackend>(); });
}  // namespace
