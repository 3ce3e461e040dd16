#include <gtest/gtest.h>

#include "store/VersionStamp.h"
#include "tests/support/FakeHost.h"

namespace {

const char kKey[] = "SOFTWARE\\KESTRAWN\\GLYPHER";

TEST(VersionStamp, CreatesBothKeysAndStoresTheVersionWithoutItsNul) {
    FakeHost host;
    StampVersion(host);
    EXPECT_TRUE(host.KeyExists(RegistryRoot::LocalMachine, "SOFTWARE\\KESTRAWN"));
    EXPECT_EQ(host.Log(), (std::vector<std::string>{
                              "create HKLM\\SOFTWARE\\KESTRAWN\\GLYPHER",
                              "set HKLM\\SOFTWARE\\KESTRAWN\\GLYPHER [CurrentVersion] \"1.01\" (4)",
                              "close HKLM\\SOFTWARE\\KESTRAWN\\GLYPHER",
                          }));
}

TEST(VersionStamp, ReplacesAValueOfAnyTypeOrText) {
    FakeHost host;
    host.Seed(RegistryRoot::LocalMachine, kKey, "CurrentVersion", kRegDword, std::string("\7\0\0\0", 4));
    StampVersion(host);
    auto stored = host.Stored(RegistryRoot::LocalMachine, kKey, "CurrentVersion");
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->type, kRegSz);
    EXPECT_EQ(stored->bytes, "1.01");
}

TEST(VersionStamp, FailuresAreSilent) {
    FakeHost cannotCreate;
    cannotCreate.FailCall("create", 1, kErrorAccessDenied);
    StampVersion(cannotCreate);
    EXPECT_EQ(cannotCreate.Log().size(), 1u) << "nothing after a failed create";

    FakeHost cannotSet;
    cannotSet.FailCall("set", 1, kErrorAccessDenied);
    StampVersion(cannotSet);
    EXPECT_EQ(cannotSet.Log().back(), "close HKLM\\SOFTWARE\\KESTRAWN\\GLYPHER") << "closed after a failed set";
    EXPECT_TRUE(cannotSet.LogOf("message").empty());
}

}  // namespace
