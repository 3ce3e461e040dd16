// The edit cycle's states (Starting, Editing, Checking, Rejected, Applying,
// Ended) against the fake registry and a scripted dialog.
#include <gtest/gtest.h>

#include <array>
#include <functional>

#include "app/EditCycle.h"
#include "res/resource.h"
#include "tests/support/FakeHost.h"

namespace {

const int kModalCancel = 2;

// One showing of the dialog: what the user leaves in the fields, and how the
// showing ends.
struct Showing {
    std::function<void(std::array<CString, kIconSlotCount>& fields)> edit;
    int result;
};

class ScriptedDialog : public IconEditor {
public:
    explicit ScriptedDialog(std::vector<Showing> script) : m_script(std::move(script)) {}

    CString& EditedPath(IconSlot slot) override { return m_edited[slot]; }

    int RunModal() override {
        if (m_shown == m_script.size()) throw std::logic_error("the dialog was shown more often than scripted");
        opened.push_back(m_edited);
        const Showing& showing = m_script[m_shown++];
        std::array<CString, kIconSlotCount> fields = m_edited;
        if (showing.edit) showing.edit(fields);
        // OK reads the fields back; on text that cannot be held, all the others.
        if (showing.result == kModalOk || showing.result == kModalTextNotHeld) m_edited = fields;
        return showing.result;
    }

    // The ten values each showing opened with.
    std::vector<std::array<CString, kIconSlotCount>> opened;

private:
    std::vector<Showing> m_script;
    size_t m_shown = 0;
    std::array<CString, kIconSlotCount> m_edited;
};

void FillValid(std::array<CString, kIconSlotCount>& fields) {
    for (int slot = 0; slot < kIconSlotCount; ++slot) {
        fields[slot] = ("C:\\new\\" + std::to_string(slot) + ".ico").c_str();
    }
}

class EditCycleTest : public ::testing::Test {
protected:
    void SetUp() override {
        // Every slot has a valid location stored, except the CD-ROM drive.
        for (const IconSlotDef& def : kIconSlots) {
            if (def.slot == CdRomDrive) continue;
            host.Seed(def.root, def.subKey, def.valueName, kRegSz,
                      "C:\\old\\" + std::to_string(def.slot) + ".ico,0");
        }
        host.Seed(RegistryRoot::CurrentUser, "Control Panel\\desktop\\windowmetrics", "Shell Icon Size", kRegSz, "32");
    }

    void Run(ScriptedDialog& dialog) { RunEditCycle(host, table, dialog); }

    std::vector<std::string> IconWrites() const {
        std::vector<std::string> writes;
        for (const std::string& line : host.LogOf("set")) {
            if (line.find("KESTRAWN") == std::string::npos && line.find("windowmetrics") == std::string::npos)
                writes.push_back(line);
        }
        return writes;
    }

    static std::string Loaded(int slot) {
        return slot == CdRomDrive ? "" : "C:\\old\\" + std::to_string(slot) + ".ico";
    }

    FakeHost host;
    IconTable table;
};

TEST_F(EditCycleTest, CancelWritesNothingButTheVersionStamp) {
    for (int result : {kModalCancel, -1}) {  // -1: the dialog could not be created
        SCOPED_TRACE(result);
        FakeHost cancelled;
        IconTable cancelledTable;
        ScriptedDialog dialog({{FillValid, result}});
        RunEditCycle(cancelled, cancelledTable, dialog);
        EXPECT_EQ(cancelled.LogOf("set"), (std::vector<std::string>{
                                              "set HKLM\\SOFTWARE\\KESTRAWN\\GLYPHER [CurrentVersion] \"1.01\" (4)"}));
        EXPECT_TRUE(cancelled.LogOf("broadcast").empty());
        EXPECT_TRUE(cancelled.LogOf("message").empty());
    }
}

TEST_F(EditCycleTest, StampsBeforeLoadingAndShowsTheLoadedValues) {
    ScriptedDialog dialog({{nullptr, kModalCancel}});
    Run(dialog);
    EXPECT_EQ(host.Log().front(), "create HKLM\\SOFTWARE\\KESTRAWN\\GLYPHER");
    ASSERT_EQ(dialog.opened.size(), 1u);
    for (int slot = 0; slot < kIconSlotCount; ++slot) {
        EXPECT_EQ(std::string(dialog.opened[0][slot]), Loaded(slot)) << "slot " << slot;
    }
}

TEST_F(EditCycleTest, InvalidInputIsRejectedAndTheDialogReopensWithTheLoadedValues) {
    ScriptedDialog dialog({
        // Loaded values unchanged: the CD-ROM field is empty and fails.
        {[](auto& fields) { fields[MyComputer] = "C:\\typed.ico"; }, kModalOk},
        {[](auto& fields) { fields[Folder] = "C:\\icons\\a.ICO"; }, kModalOk},
        {nullptr, kModalCancel},
    });
    Run(dialog);

    EXPECT_EQ(host.LogOf("message"), (std::vector<std::string>{"message 104", "message 104"}));
    ASSERT_EQ(dialog.opened.size(), 3u);
    for (const auto& opened : dialog.opened) {
        for (int slot = 0; slot < kIconSlotCount; ++slot) EXPECT_EQ(std::string(opened[slot]), Loaded(slot));
    }
    EXPECT_TRUE(IconWrites().empty());
    EXPECT_TRUE(host.LogOf("broadcast").empty());
}

TEST_F(EditCycleTest, TextTheCodePageCannotHoldIsRejectedThoughTheOtherFieldsAreValid) {
    ScriptedDialog dialog({
        {FillValid, kModalTextNotHeld},
        {nullptr, kModalCancel},
    });
    Run(dialog);

    EXPECT_EQ(host.LogOf("message"), (std::vector<std::string>{"message 104"}));
    ASSERT_EQ(dialog.opened.size(), 2u);
    for (int slot = 0; slot < kIconSlotCount; ++slot) EXPECT_EQ(std::string(dialog.opened[1][slot]), Loaded(slot));
    EXPECT_TRUE(IconWrites().empty());
    EXPECT_TRUE(host.LogOf("broadcast").empty());
}

TEST_F(EditCycleTest, RejectedThenValidInputAppliesOnce) {
    ScriptedDialog dialog({
        {[](auto& fields) { fields[HardDisk] = ""; }, kModalOk},
        {FillValid, kModalOk},
    });
    Run(dialog);

    EXPECT_EQ(host.LogOf("message"), (std::vector<std::string>{"message 104"}));
    EXPECT_EQ(IconWrites().size(), 11u);
    EXPECT_EQ(host.LogOf("broadcast").size(), 2u);
    for (int slot = 0; slot < kIconSlotCount; ++slot) {
        EXPECT_EQ(std::string(table.paths[slot]), "C:\\new\\" + std::to_string(slot) + ".ico");
        const IconSlotDef& def = kIconSlots[slot];
        EXPECT_EQ(host.Stored(def.root, def.subKey, def.valueName)->bytes,
                  "C:\\new\\" + std::to_string(slot) + ".ico,0");
    }
}

TEST_F(EditCycleTest, AValueChangedElsewhereDoesNotShowInALaterShowing) {
    ScriptedDialog dialog({
        {[this](auto& fields) {
             host.Seed(RegistryRoot::ClassesRoot, kIconSlots[MyComputer].subKey, "", kRegSz, "C:\\other.ico,0");
             fields[Folder] = "";
         },
         kModalOk},
        {nullptr, kModalCancel},
    });
    Run(dialog);
    EXPECT_EQ(std::string(dialog.opened[1][MyComputer]), Loaded(MyComputer));
}

TEST_F(EditCycleTest, FailedWriteDuringApplyEndsTheRunInsideTheWrite) {
    host.FailCall("set", 4, kErrorAccessDenied);  // the stamp, then the third icon write
    ScriptedDialog dialog({{FillValid, kModalOk}});
    EXPECT_THROW(Run(dialog), ProcessExit);
    EXPECT_EQ(IconWrites().size(), 3u);
    std::vector<std::string> tail(host.Log().end() - 2, host.Log().end());
    EXPECT_EQ(tail, (std::vector<std::string>{"message 102 5", "exit 1"}));
}

}  // namespace
