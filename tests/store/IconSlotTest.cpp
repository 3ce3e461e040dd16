#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>

#include "store/IconSlot.h"

namespace {

TEST(IconSlotTable, EverySlotControlAndLocationOccursOnce) {
    std::set<int> controls;
    std::set<std::tuple<RegistryRoot, std::string, std::string>> locations;
    for (int index = 0; index < kIconSlotCount; ++index) {
        const IconSlotDef& def = kIconSlots[index];
        EXPECT_EQ(def.slot, index);
        controls.insert(def.editId);
        locations.insert({def.root, def.subKey, def.valueName});
    }
    EXPECT_EQ(controls.size(), 10u);
    EXPECT_EQ(locations.size(), 10u);
}

TEST(IconSlotTable, OrdersArePermutationsOfTheSlots) {
    for (const IconSlot* order : {kLoadOrder, kCheckOrder, kScreenOrder}) {
        std::set<int> seen(order, order + kIconSlotCount);
        EXPECT_EQ(seen.size(), 10u);
    }
}

TEST(IconSlotTable, LabelsAreCodePage932Bytes) {
    // ごみ箱（空）: hiragana, kanji and full-width parentheses, two bytes each.
    EXPECT_EQ(std::string(kIconSlots[RecycleBinEmpty].label), "\x82\xB2\x82\xDD\x94\xA0\x81\x69\x8B\xF3\x81\x6A");
    // ﾏｲｺﾝﾋﾟｭｰﾀ: half-width katakana, one byte each.
    EXPECT_EQ(std::string(kIconSlots[MyComputer].label), "\xCF\xB2\xBA\xDD\xCB\xDF\xAD\xB0\xC0");
    // 3.5ｲﾝﾁ ﾌﾛｯﾋﾟｰ: ASCII, one ASCII space, half-width katakana.
    EXPECT_EQ(std::string(kIconSlots[Floppy35].label), "3.5\xB2\xDD\xC1 \xCC\xDB\xAF\xCB\xDF\xB0");
}

TEST(IconSlotTable, LocationsAsTheShellReadsThem) {
    const IconSlotDef& myComputer = kIconSlots[MyComputer];
    EXPECT_EQ(myComputer.root, RegistryRoot::ClassesRoot);
    EXPECT_STREQ(myComputer.subKey, "CLSID\\{20D04FE0-3AEA-1069-A2D8-08002B30309D}\\DefaultIcon");
    EXPECT_STREQ(myComputer.valueName, "");
    EXPECT_EQ(myComputer.editId, 1000);

    const IconSlotDef& cdRom = kIconSlots[CdRomDrive];
    EXPECT_EQ(cdRom.root, RegistryRoot::LocalMachine);
    EXPECT_STREQ(cdRom.subKey, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\explorer\\Shell Icons");
    EXPECT_STREQ(cdRom.valueName, "11");
    EXPECT_EQ(cdRom.editId, 1012);
}

}  // namespace
