// The icon-location reader and writer, against every registry backend: the
// in-memory fake, and under Wine the real registry.
#include <gtest/gtest.h>

#include "store/IconLocation.h"
#include "tests/support/RegistryBackend.h"

namespace {

class IconLocationTest : public ::testing::TestWithParam<RegistryBackendKind> {
protected:
    void SetUp() override { registry = GetParam().make(); }

    CString Read(const std::string& subKey, const std::string& valueName, const char* prior) {
        CString path(prior);
        ReadIconLocation(registry->host(), registry->Root(), registry->Path(subKey).c_str(), path,
                         valueName.c_str());
        return path;
    }
    void Write(const std::string& subKey, const std::string& valueName, const CString& path) {
        WriteIconLocation(registry->host(), registry->Root(), registry->Path(subKey).c_str(), path,
                          valueName.c_str());
    }

    std::unique_ptr<RegistryBackend> registry;
};

struct ReadCase {
    const char* what;
    bool keyExists;
    bool valueExists;
    uint32_t type;
    std::string bytes;
    const char* expected;
};

const std::string k259(259, 'p');

const ReadCase kReadCases[] = {
    {"cut at the first comma", true, true, kRegSz, std::string("C:\\icons\\a.ico,0\0", 17), "C:\\icons\\a.ico"},
    {"text without a comma reads whole", true, true, kRegSz, std::string("C:\\a.ico\0", 9), "C:\\a.ico"},
    {"a lone icon index reads as empty", true, true, kRegSz, std::string(",0\0", 3), ""},
    {"several commas: up to the first", true, true, kRegSz, std::string("a,b,c\0", 6), "a"},
    {"double-byte text before the comma", true, true, kRegSz, std::string("C:\\漢字\\a.ico,0\0"), "C:\\漢字\\a.ico"},
    {"missing key keeps the prior text", false, false, 0, "", "prior"},
    {"missing value gives empty", true, false, 0, "", ""},
    {"binary read as text up to its first NUL", true, true, kRegBinary, std::string("ab\0cd", 5), "ab"},
    {"DWORD read as its bytes", true, true, kRegDword, std::string("abc\0", 4), "abc"},
    {"data without a NUL: nothing read past it", true, true, kRegBinary, "abc", "abc"},
    {"259 bytes and a NUL fill the buffer exactly", true, true, kRegSz, k259 + '\0', k259.c_str()},
    {"261 bytes do not fit and read as empty", true, true, kRegSz, std::string(260, 'q') + '\0', ""},
};

TEST_P(IconLocationTest, ReadsTheStoredTextUpToItsFirstComma) {
    for (const ReadCase& c : kReadCases) {
        SCOPED_TRACE(c.what);
        std::string subKey = std::string("read\\") + std::to_string(&c - kReadCases);
        if (c.valueExists) {
            registry->Seed(subKey, "value", c.type, c.bytes);
        } else if (c.keyExists) {
            registry->Seed(subKey, "other", kRegSz, std::string("x\0", 2));
        }
        EXPECT_EQ(std::string(Read(subKey, "value", "prior")), c.expected);
    }
}

// Text as the registry keeps it, in UTF-16: what the code page cannot hold
// exactly must not read as a look-alike, or an untouched slot would be
// written back as a path that does not exist.
struct TextCase {
    const char* what;
    std::u16string text;
    std::optional<std::string> inCodePage;
    std::string expected;
};

std::string Repeated(const std::string& piece, int times) {
    std::string text;
    for (int i = 0; i < times; ++i) text += piece;
    return text;
}

const TextCase kTextCases[] = {
    {"kanji and kana read exactly", u"C:\\漢字\\アイコン.ico,0", "C:\\漢字\\アイコン.ico,0", "C:\\漢字\\アイコン.ico"},
    {"a letter the code page lacks fails to read", u"C:\\Icônes\\a.ico,0", std::nullopt, ""},
    {"a yen sign does not read as a backslash", u"C:\\icons¥a.ico,0", std::nullopt, ""},
    {"129 kanji and a NUL are 259 bytes and fit", std::u16string(129, u'漢'), Repeated("漢", 129),
     Repeated("漢", 129)},
    {"130 kanji and a NUL are 261 bytes and do not", std::u16string(130, u'漢'), Repeated("漢", 130), ""},
};

TEST_P(IconLocationTest, TextTheCodePageCannotHoldReadsAsEmpty) {
    for (const TextCase& c : kTextCases) {
        SCOPED_TRACE(c.what);
        std::string subKey = std::string("text\\") + std::to_string(&c - kTextCases);
        registry->SeedText(subKey, "value", c.text, c.inCodePage);
        EXPECT_EQ(std::string(Read(subKey, "value", "prior")), c.expected);
    }
}

TEST_P(IconLocationTest, EmptyValueNameIsTheDefaultValueOnBothSides) {
    registry->Seed("key", "", kRegSz, std::string("C:\\d.ico,0\0", 11));
    registry->Seed("key", "named", kRegSz, std::string("C:\\n.ico,0\0", 11));
    EXPECT_EQ(std::string(Read("key", "", "")), "C:\\d.ico");

    Write("key", "", "C:\\w.ico");
    EXPECT_EQ(StoredText(registry->Stored("key", "")), "C:\\w.ico,0");
    EXPECT_EQ(StoredText(registry->Stored("key", "named")), "C:\\n.ico,0");
}

TEST_P(IconLocationTest, WritesThePathWithIconIndexZero) {
    const struct {
        const char* path;
        const char* stored;
        const char* readBack;
    } cases[] = {
        {"C:\\x.ico", "C:\\x.ico,0", "C:\\x.ico"},
        {"C:\\x.ico,0", "C:\\x.ico,0,0", "C:\\x.ico"},  // the user's own index is not special
        {"C:\\アイコン\\a.ico", "C:\\アイコン\\a.ico,0", "C:\\アイコン\\a.ico"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        registry->Seed("write", "value", kRegDword, std::string("\1\0\0\0", 4));  // replaced whatever its type
        CString path(c.path);
        Write("write", "value", path);
        EXPECT_EQ(std::string(path), c.path) << "the caller's string gained the index";
        auto stored = registry->Stored("write", "value");
        ASSERT_TRUE(stored);
        EXPECT_EQ(stored->type, kRegSz);
        EXPECT_EQ(StoredText(stored), c.stored);
        EXPECT_EQ(std::string(Read("write", "value", "")), c.readBack);
    }
}

TEST_P(IconLocationTest, WritingCreatesMissingKeysOnTheWay) {
    Write("new\\deeper\\key", "value", "C:\\x.ico");
    EXPECT_TRUE(registry->KeyExists("new\\deeper"));
    EXPECT_EQ(StoredText(registry->Stored("new\\deeper\\key", "value")), "C:\\x.ico,0");
}

TEST_P(IconLocationTest, EmptyPathWritesNothing) {
    Write("untouched", "value", "");
    EXPECT_FALSE(registry->KeyExists("untouched"));

    registry->Seed("kept", "value", kRegSz, std::string("C:\\old.ico,0\0", 13));
    Write("kept", "value", "");
    EXPECT_EQ(StoredText(registry->Stored("kept", "value")), "C:\\old.ico,0");
}

TEST_P(IconLocationTest, PathLongerThanTheReadLimitIsWrittenWholeButReadsAsEmpty) {
    std::string path = "C:\\" + std::string(255, 'x') + ".ico";  // 262 bytes
    Write("long", "value", path.c_str());
    EXPECT_EQ(StoredText(registry->Stored("long", "value")), path + ",0");
    EXPECT_EQ(std::string(Read("long", "value", "prior")), "");
}

std::string BackendName(const ::testing::TestParamInfo<RegistryBackendKind>& info) { return info.param.name; }

INSTANTIATE_TEST_SUITE_P(Backends, IconLocationTest, ::testing::ValuesIn(RegistryBackendKinds()), BackendName);

// What only the call log shows.
TEST(IconLocationCalls, ByteCountExcludesTheTerminatingNul) {
    FakeHost host;
    WriteIconLocation(host, RegistryRoot::CurrentUser, "k", "C:\\x.ico", "v");
    EXPECT_EQ(host.Log(), (std::vector<std::string>{
                              "create HKCU\\k",
                              "set HKCU\\k [v] \"C:\\x.ico,0\" (10)",
                              "close HKCU\\k",
                          }));
}

TEST(IconLocationCalls, EmptyPathMakesNoCallAtAll) {
    FakeHost host;
    WriteIconLocation(host, RegistryRoot::CurrentUser, "k", "", "v");
    EXPECT_TRUE(host.Log().empty());
}

TEST(IconLocationCalls, ReaderClosesOnlyWhatItOpened) {
    FakeHost host;
    host.SeedKey(RegistryRoot::CurrentUser, "k");
    CString path;
    ReadIconLocation(host, RegistryRoot::CurrentUser, "missing", path, "v");
    ReadIconLocation(host, RegistryRoot::CurrentUser, "k", path, "v");
    EXPECT_EQ(host.Log(), (std::vector<std::string>{
                              "open HKCU\\missing -> 2",
                              "open HKCU\\k",
                              "query HKCU\\k [v] -> 2",
                              "close HKCU\\k",
                          }));
}

TEST(IconLocationCalls, FailedWriteReportsTheCodeAndEndsTheProcess) {
    for (const char* failing : {"create", "set"}) {
        SCOPED_TRACE(failing);
        FakeHost host;
        host.FailCall(failing, 1, kErrorAccessDenied);
        try {
            WriteIconLocation(host, RegistryRoot::CurrentUser, "k", "C:\\x.ico", "v");
            FAIL() << "the write returned";
        } catch (const ProcessExit& exit) {
            EXPECT_EQ(exit.code, 1u);
        }
        std::vector<std::string> tail(host.Log().end() - 2, host.Log().end());
        EXPECT_EQ(tail, (std::vector<std::string>{"message 102 5", "exit 1"}));
        EXPECT_TRUE(host.LogOf("close").empty()) << "the process ends before any close";
        EXPECT_FALSE(host.Stored(RegistryRoot::CurrentUser, "k", "v"));
    }
}

}  // namespace
