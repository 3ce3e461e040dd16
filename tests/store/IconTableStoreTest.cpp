// Loading and applying the whole table, and the shell icon cache refresh.
#include <gtest/gtest.h>

#include "store/IconTableStore.h"
#include "tests/support/FakeHost.h"

namespace {

const char kMetricsKey[] = "Control Panel\\desktop\\windowmetrics";
const char kBin[] = "HKCR\\CLSID\\{645FF040-5081-101B-9F08-00AA002F954E}\\DefaultIcon";
const char kMyComputerKey[] = "HKCR\\CLSID\\{20D04FE0-3AEA-1069-A2D8-08002B30309D}\\DefaultIcon";
const char kNetworkKey[] = "HKCR\\CLSID\\{208D2C60-3AEA-1069-A2D7-08002B30309D}\\DefaultIcon";
const char kShellIcons[] = "HKLM\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\explorer\\Shell Icons";

// A table whose every entry names its slot, so a write shows which entry it took.
IconTable DistinctTable() {
    IconTable table;
    for (int slot = 0; slot < kIconSlotCount; ++slot) {
        std::string path = "C:\\" + std::to_string(slot) + ".ico";
        table[static_cast<IconSlot>(slot)] = path.c_str();
    }
    return table;
}

std::string Set(const std::string& key, const std::string& name, int slot) {
    std::string data = "C:\\" + std::to_string(slot) + ".ico,0";
    return "set " + key + " [" + name + "] \"" + data + "\" (" + std::to_string(data.size()) + ")";
}

// The eleven writes in apply order, then the refresh of a 32-pixel metric.
const std::vector<std::string> kApplyWrites = {
    Set(kMyComputerKey, "", MyComputer),
    Set(kNetworkKey, "", NetworkNeighborhood),
    Set(kBin, "", RecycleBinFull),
    Set(kBin, "full", RecycleBinFull),
    Set(kBin, "empty", RecycleBinEmpty),
    Set(kShellIcons, "8", HardDisk),
    Set(kShellIcons, "6", Floppy35),
    Set(kShellIcons, "3", Folder),
    Set(kShellIcons, "4", FolderOpen),
    Set(kShellIcons, "9", NetworkDrive),
    Set(kShellIcons, "11", CdRomDrive),
};

class StoreTest : public ::testing::Test {
protected:
    void SeedMetric(const std::string& text) {
        host.Seed(RegistryRoot::CurrentUser, kMetricsKey, "Shell Icon Size", kRegSz, text + '\0');
    }
    std::string Metric() const {
        auto value = host.Stored(RegistryRoot::CurrentUser, kMetricsKey, "Shell Icon Size");
        return value ? value->bytes : "<missing>";
    }
    FakeHost host;
};

TEST_F(StoreTest, LoadReadsTheTenSlotsInLoadOrder) {
    IconTable table;
    LoadIconTable(host, table);
    EXPECT_EQ(host.LogOf("open"), (std::vector<std::string>{
                                      "open " + std::string(kMyComputerKey) + " -> 2",
                                      "open " + std::string(kNetworkKey) + " -> 2",
                                      "open " + std::string(kBin) + " -> 2",
                                      "open " + std::string(kBin) + " -> 2",
                                      "open " + std::string(kShellIcons) + " -> 2",
                                      "open " + std::string(kShellIcons) + " -> 2",
                                      "open " + std::string(kShellIcons) + " -> 2",
                                      "open " + std::string(kShellIcons) + " -> 2",
                                      "open " + std::string(kShellIcons) + " -> 2",
                                      "open " + std::string(kShellIcons) + " -> 2",
                                  }));
    for (const CString& path : table.paths) EXPECT_EQ(std::string(path), "");
}

TEST_F(StoreTest, LoadCutsWhatAnEarlierApplyWrote) {
    IconTable written = DistinctTable();
    SeedMetric("32");
    ApplyIconTable(host, written);
    host.Seed(RegistryRoot::LocalMachine, kShellIcons + 5, "3", kRegSz, "C:\\a,b.ico,0");

    host.ClearLog();
    IconTable loaded;
    LoadIconTable(host, loaded);
    EXPECT_EQ(host.LogOf("query").size(), 10u) << "the bin's default value is never read";
    for (int slot = 0; slot < kIconSlotCount; ++slot) {
        if (slot == Folder) continue;
        EXPECT_EQ(std::string(loaded.paths[slot]), std::string(written.paths[slot])) << "slot " << slot;
    }
    EXPECT_EQ(std::string(loaded[Folder]), "C:\\a") << "a path with a comma loads up to it";
}

TEST_F(StoreTest, ApplyWritesElevenValuesInOrderThenRefreshes) {
    SeedMetric("32");
    ApplyIconTable(host, DistinctTable());

    std::vector<std::string> sets = host.LogOf("set");
    ASSERT_EQ(sets.size(), 13u);
    EXPECT_EQ(std::vector<std::string>(sets.begin(), sets.begin() + 11), kApplyWrites);
    EXPECT_EQ(host.LogOf("broadcast").size(), 2u);
    EXPECT_EQ(host.Log().back(), "broadcast");
}

TEST_F(StoreTest, EmptyEntriesAreSkippedAndTheRefreshStillRuns) {
    SeedMetric("32");
    IconTable table = DistinctTable();
    table[RecycleBinFull] = "";
    table[CdRomDrive] = "";
    ApplyIconTable(host, table);

    std::vector<std::string> expected = kApplyWrites;
    expected.erase(expected.begin() + 10);                         // CdRomDrive
    expected.erase(expected.begin() + 2, expected.begin() + 4);    // both RecycleBinFull writes
    std::vector<std::string> sets = host.LogOf("set");
    EXPECT_EQ(std::vector<std::string>(sets.begin(), sets.end() - 2), expected);
    EXPECT_EQ(host.LogOf("broadcast").size(), 2u);
}

TEST_F(StoreTest, FailedWriteAtAnyStepKeepsEarlierWritesAndEndsTheProcess) {
    for (int step = 1; step <= 11; ++step) {
        for (const char* failing : {"create", "set"}) {
            SCOPED_TRACE(std::string(failing) + " of step " + std::to_string(step));
            FakeHost failingHost;
            failingHost.Seed(RegistryRoot::CurrentUser, kMetricsKey, "Shell Icon Size", kRegSz, "32");
            failingHost.FailCall(failing, step, kErrorAccessDenied);
            try {
                ApplyIconTable(failingHost, DistinctTable());
                FAIL() << "apply returned";
            } catch (const ProcessExit& exit) {
                EXPECT_EQ(exit.code, 1u);
            }
            std::vector<std::string> sets = failingHost.LogOf("set");
            std::vector<std::string> stored;
            for (const std::string& line : sets) {
                if (line.find(" -> ") == std::string::npos) stored.push_back(line);
            }
            EXPECT_EQ(stored, std::vector<std::string>(kApplyWrites.begin(), kApplyWrites.begin() + step - 1));
            EXPECT_TRUE(failingHost.LogOf("broadcast").empty());
            std::vector<std::string> tail(failingHost.Log().end() - 2, failingHost.Log().end());
            EXPECT_EQ(tail, (std::vector<std::string>{"message 102 5", "exit 1"}));
        }
    }
}

TEST_F(StoreTest, RefreshLowersAndRestoresTheIconSizeAsBareNumbers) {
    const struct {
        const char* stored;
        const char* lowered;
        const char* restored;
    } cases[] = {
        {"32", "31", "32"},
        {"32,0", "31", "32"},     // left by earlier versions, which appended an icon index
        {"  32px", "31", "32"},   // blanks before and letters after the digits
        {"\t+32", "31", "32"},
        {"100", "99", "100"},
        {"1", "0", "1"},
        {"2147483647", "2147483646", "2147483647"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        FakeHost caseHost;
        caseHost.Seed(RegistryRoot::CurrentUser, kMetricsKey, "Shell Icon Size", kRegSz, std::string(c.stored) + '\0');
        RefreshShellIconCache(caseHost);
        EXPECT_EQ(caseHost.MetricAtBroadcasts(), (std::vector<std::string>{c.lowered, c.restored}));
        auto stored = caseHost.Stored(RegistryRoot::CurrentUser, kMetricsKey, "Shell Icon Size");
        ASSERT_TRUE(stored);
        EXPECT_EQ(stored->type, kRegSz);
    }
}

TEST_F(StoreTest, RefreshWithoutAValidSizeWritesNothingAndBroadcastsOnce) {
    const char* cases[] = {"", "px32", "0", "-5", "2147483648", "99999999999999999999", "- 3"};
    for (const char* stored : cases) {
        SCOPED_TRACE(stored);
        FakeHost caseHost;
        caseHost.Seed(RegistryRoot::CurrentUser, kMetricsKey, "Shell Icon Size", kRegSz, std::string(stored) + '\0');
        RefreshShellIconCache(caseHost);
        EXPECT_TRUE(caseHost.LogOf("create").empty());
        EXPECT_EQ(caseHost.LogOf("broadcast").size(), 1u);
        EXPECT_EQ(caseHost.Stored(RegistryRoot::CurrentUser, kMetricsKey, "Shell Icon Size")->bytes,
                  std::string(stored) + '\0');
    }
}

TEST_F(StoreTest, RefreshNeverCreatesAMissingMetric) {
    RefreshShellIconCache(host);
    EXPECT_FALSE(host.KeyExists(RegistryRoot::CurrentUser, kMetricsKey));
    EXPECT_EQ(host.Log(), (std::vector<std::string>{"open HKCU\\" + std::string(kMetricsKey) + " -> 2", "broadcast"}));
}

TEST_F(StoreTest, FailedLoweringEndsTheProcessBeforeAnyBroadcast) {
    SeedMetric("32");
    host.FailCall("set", 1, kErrorAccessDenied);
    EXPECT_THROW(RefreshShellIconCache(host), ProcessExit);
    EXPECT_TRUE(host.LogOf("broadcast").empty());
    EXPECT_EQ(Metric(), std::string("32") + '\0');
}

}  // namespace
