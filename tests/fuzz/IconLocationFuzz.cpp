// ReadIconLocation over a host whose answers come from the fuzz input: any
// result codes, any data bytes with or without a NUL, and any reported size,
// within the buffer or beyond it. The buffer bytes the query did not return
// are poisoned, so AddressSanitizer stops any read of them, and any read past
// the buffer. Checks the text read and that the key is closed exactly once.
#include <sanitizer/asan_interface.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include <fuzzer/FuzzedDataProvider.h>

#include "store/IconLocation.h"
#include "tests/fuzz/FuzzCheck.h"

namespace {

const RegistryRoot kRoot = RegistryRoot::LocalMachine;
const char kSubKey[] = "SOFTWARE\\Fuzz";
const char kValueName[] = "3";
const char kPrior[] = "C:\\prior.ico";

// What the host answers, decoded from the input.
struct Answers {
    int32_t openResult;
    int32_t queryResult;
    std::string data;  // the bytes the query writes, at most the buffer's capacity
    uint32_t reportedSize;
};

// The provider reads the numbers from the input's end, most significant byte
// first, and the data from its front (the seeds in corpus/ are laid out so).
Answers Decode(FuzzedDataProvider& input) {
    Answers answers;
    // Success is one code among four billion: give it half the inputs.
    answers.openResult = input.ConsumeBool() ? 0 : input.ConsumeIntegral<int32_t>();
    answers.queryResult = input.ConsumeBool() ? 0 : input.ConsumeIntegral<int32_t>();
    const int sizeKind = input.ConsumeIntegralInRange(0, 2);
    const bool endsInNul = input.ConsumeBool();
    const uint32_t fuzzedSize = sizeKind == 1 ? input.ConsumeIntegralInRange<uint32_t>(0, 2 * kRegistryTextCapacity)
                                              : input.ConsumeIntegral<uint32_t>();
    answers.data = input.ConsumeRemainingBytesAsString();
    if (endsInNul) answers.data += '\0';
    if (answers.data.size() > kRegistryTextCapacity) answers.data.resize(kRegistryTextCapacity);
    answers.reportedSize = sizeKind == 0 ? static_cast<uint32_t>(answers.data.size()) : fuzzedSize;
    return answers;
}

class FuzzHost : public Host {
public:
    explicit FuzzHost(const Answers& answers) : m_answers(answers) {}

    int32_t OpenKey(RegistryRoot root, const char* subKey, RegistryKey* key) override {
        FUZZ_CHECK(root == kRoot && std::strcmp(subKey, kSubKey) == 0);
        ++opens;
        if (m_answers.openResult == 0) *key = Handle();
        return m_answers.openResult;
    }

    int32_t QueryValue(RegistryKey key, const char* valueName, char* data, uint32_t* size) override {
        FUZZ_CHECK(key == Handle() && closes == 0);
        FUZZ_CHECK(std::strcmp(valueName, kValueName) == 0);
        FUZZ_CHECK(*size == kRegistryTextCapacity);
        ++queries;
        const uint32_t capacity = *size;

        // A host that reports more than it wrote is taken at its word, so the
        // claimed bytes get a value too.
        std::memset(data, 'f', capacity);
        std::memcpy(data, m_answers.data.data(), m_answers.data.size());
        returned.assign(data, std::min(m_answers.reportedSize, capacity));
        *size = m_answers.reportedSize;

        // Nothing is returned on failure; on success, nothing past the reported size.
        const uint32_t readable = m_answers.queryResult == 0 ? static_cast<uint32_t>(returned.size()) : 0;
        Poison(data + readable, capacity - readable);
        return m_answers.queryResult;
    }

    void CloseKey(RegistryKey key) override {
        FUZZ_CHECK(key == Handle());
        ++closes;
        Unpoison();
    }

    int32_t CreateKey(RegistryRoot, const char*, RegistryKey*) override { Unexpected(); }
    int32_t SetStringValue(RegistryKey, const char*, const char*, uint32_t) override { Unexpected(); }
    void BroadcastSettingChange() override { Unexpected(); }
    void ShowMessage(unsigned, const char*) override { Unexpected(); }
    [[noreturn]] void ExitProcess(unsigned) override { Unexpected(); }

    // The reader's buffer is gone once it returns: its stack must read as usable again.
    void Unpoison() {
        ASAN_UNPOISON_MEMORY_REGION(m_poisoned, m_poisonedSize);
        m_poisonedSize = 0;
    }

    int opens = 0;
    int queries = 0;
    int closes = 0;
    std::string returned;  // the bytes within the buffer that the query reported

private:
    RegistryKey Handle() { return reinterpret_cast<RegistryKey>(this); }

    void Poison(char* first, size_t size) {
        m_poisoned = first;
        m_poisonedSize = size;
        ASAN_POISON_MEMORY_REGION(first, size);
    }

    [[noreturn]] static void Unexpected() {
        std::fprintf(stderr, "reading a location must write nothing and report nothing\n");
        std::abort();
    }

    const Answers& m_answers;
    char* m_poisoned = nullptr;
    size_t m_poisonedSize = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    const Answers answers = Decode(input);
    FuzzHost host(answers);

    CString path(kPrior);
    ReadIconLocation(host, kRoot, kSubKey, path, kValueName);
    host.Unpoison();

    const std::string got(path, static_cast<size_t>(path.GetLength()));
    FUZZ_CHECK(host.opens == 1);
    if (answers.openResult != 0) {
        FUZZ_CHECK(host.queries == 0 && host.closes == 0);
        FUZZ_CHECK(got == kPrior);
        return 0;
    }
    FUZZ_CHECK(host.queries == 1 && host.closes == 1);
    if (answers.queryResult != 0) {
        FUZZ_CHECK(got.empty());
        return 0;
    }

    // The stored text ends at the first NUL; the location's path at the first comma.
    FUZZ_CHECK(got.find(',') == std::string::npos && got.find('\0') == std::string::npos);
    FUZZ_CHECK(got.size() <= host.returned.size());
    const std::string text = host.returned.substr(0, host.returned.find('\0'));
    FUZZ_CHECK(got == text.substr(0, text.find(',')));
    return 0;
}
