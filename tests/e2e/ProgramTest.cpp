// GLYPHER.EXE itself, run under Wine and driven from this process through its
// windows; the registry it reads and writes is the prefix's real one.
#include <gtest/gtest.h>

#include "platform/win32/WinApi.h"

#include <cstdlib>
#include <optional>
#include <ostream>
#include <vector>

#include "res/resource.h"
#include "store/IconSlot.h"
#include "tests/e2e/Cp932Text.h"
#include "tests/e2e/ProgramDriver.h"

namespace {

const char kMetricsKey[] = "Control Panel\\desktop\\windowmetrics";
const char kStampSubKey[] = "KESTRAWN";  // under SOFTWARE
const char kInvalidDataText[] = "設定したデータは無効です。\nもう一度、設定してください。";
const char kAccessDeniedText[] = "レジストリへの登録に失敗しました。\n新しい設定は無効です。\nエラーコード　: 5";
const char kShellIconsKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\explorer\\Shell Icons";

// The view the shell reads, which the program writes even when it and this
// test are 32-bit programs on 64-bit Windows.
constexpr REGSAM kView = KEY_WOW64_64KEY;

HKEY RootKey(RegistryRoot root) { return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(root)); }

void SetWideText(HKEY root, const std::string& subKey, const std::string& name, const std::wstring& text) {
    HKEY key;
    ASSERT_EQ(RegCreateKeyExA(root, subKey.c_str(), 0, nullptr, 0, KEY_SET_VALUE | kView, nullptr, &key, nullptr), 0);
    RegSetValueExW(key, FromCp932(name).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                   static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
}

// Texts in code page 932, stored and read as the UTF-16 the registry holds.
void SetText(HKEY root, const std::string& subKey, const std::string& name, const std::string& text) {
    SetWideText(root, subKey, name, FromCp932(text));
}

void DeleteValue(HKEY root, const std::string& subKey, const std::string& name) {
    HKEY key;
    if (RegOpenKeyExA(root, subKey.c_str(), 0, KEY_SET_VALUE | kView, &key) != 0) return;
    RegDeleteValueA(key, name.c_str());
    RegCloseKey(key);
}

std::optional<std::wstring> GetWideText(HKEY root, const std::string& subKey, const std::string& name) {
    HKEY key;
    if (RegOpenKeyExA(root, subKey.c_str(), 0, KEY_QUERY_VALUE | kView, &key) != 0) return std::nullopt;
    std::wstring text(4096, L'\0');
    DWORD size = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    LONG result = RegQueryValueExW(key, FromCp932(name).c_str(), nullptr, nullptr, reinterpret_cast<BYTE*>(&text[0]),
                                   &size);
    RegCloseKey(key);
    if (result != 0) return std::nullopt;
    text.resize(size / sizeof(wchar_t));
    while (!text.empty() && text.back() == L'\0') text.pop_back();
    return text;
}

std::optional<std::string> GetText(HKEY root, const std::string& subKey, const std::string& name) {
    std::optional<std::wstring> text = GetWideText(root, subKey, name);
    if (!text) return std::nullopt;
    return ToCp932(*text);
}

std::optional<std::string> SlotValue(IconSlot slot) {
    const IconSlotDef& def = kIconSlots[slot];
    return GetText(RootKey(def.root), def.subKey, def.valueName);
}

std::optional<std::wstring> WideSlotValue(IconSlot slot) {
    const IconSlotDef& def = kIconSlots[slot];
    return GetWideText(RootKey(def.root), def.subKey, def.valueName);
}

std::optional<std::string> BinDefaultValue() {
    return GetText(HKEY_CLASSES_ROOT, kRecycleBinIconKey, "");
}

// While it lives, nobody may set values in or create subkeys of a key:
// opening it for writing fails with ERROR_ACCESS_DENIED.
class WriteDenied {
public:
    WriteDenied(HKEY root, const char* subKey) {
        EXPECT_EQ(RegOpenKeyExA(root, subKey, 0, READ_CONTROL | WRITE_DAC | kView, &m_key), 0);
        DWORD size = 0;
        RegGetKeySecurity(m_key, DACL_SECURITY_INFORMATION, nullptr, &size);
        m_saved.resize(size);
        EXPECT_EQ(RegGetKeySecurity(m_key, DACL_SECURITY_INFORMATION, m_saved.data(), &size), 0);

        SID_IDENTIFIER_AUTHORITY world = SECURITY_WORLD_SID_AUTHORITY;
        PSID everyone;
        AllocateAndInitializeSid(&world, 1, SECURITY_WORLD_RID, 0, 0, 0, 0, 0, 0, 0, &everyone);
        std::vector<BYTE> acl(256);
        InitializeAcl(reinterpret_cast<ACL*>(acl.data()), static_cast<DWORD>(acl.size()), ACL_REVISION);
        AddAccessDeniedAce(reinterpret_cast<ACL*>(acl.data()), ACL_REVISION, KEY_SET_VALUE | KEY_CREATE_SUB_KEY,
                           everyone);
        AddAccessAllowedAce(reinterpret_cast<ACL*>(acl.data()), ACL_REVISION, KEY_ALL_ACCESS, everyone);
        SECURITY_DESCRIPTOR descriptor;
        InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION);
        SetSecurityDescriptorDacl(&descriptor, TRUE, reinterpret_cast<ACL*>(acl.data()), FALSE);
        EXPECT_EQ(RegSetKeySecurity(m_key, DACL_SECURITY_INFORMATION, &descriptor), 0);
        FreeSid(everyone);
    }
    ~WriteDenied() {
        RegSetKeySecurity(m_key, DACL_SECURITY_INFORMATION, m_saved.data());
        RegCloseKey(m_key);
    }
    WriteDenied(const WriteDenied&) = delete;
    WriteDenied& operator=(const WriteDenied&) = delete;

private:
    HKEY m_key = nullptr;
    std::vector<BYTE> m_saved;
};

std::string OldPath(int slot) { return "C:\\old\\" + std::to_string(slot) + ".ico"; }
// Kanji and kana, among them ソ and 表, whose second byte in 932 is a backslash's.
std::string JapanesePath(int slot) { return "C:\\ソフト\\表示" + std::to_string(slot) + ".ico"; }
std::string NewPath(int slot) { return "C:\\新しい\\" + std::to_string(slot) + ".ico"; }

class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override {
        const char* exe = std::getenv("GLYPHER_EXE");
        ASSERT_TRUE(exe) << "GLYPHER_EXE names the program under test";
        m_exe = exe;
        // Every slot holds a location an earlier run could have written.
        for (const IconSlotDef& def : kIconSlots) SetText(RootKey(def.root), def.subKey, def.valueName, OldPath(def.slot) + ",0");
        SetText(HKEY_CLASSES_ROOT, kRecycleBinIconKey, "", "C:\\old\\bin.ico,0");
        SetText(HKEY_CURRENT_USER, kMetricsKey, "Shell Icon Size", "32");
        HKEY software;
        ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE", 0, KEY_ALL_ACCESS | kView, &software), 0);
        RegDeleteTreeA(software, kStampSubKey);
        RegCloseKey(software);
    }

    // Starts the program and waits for its main dialog.
    HWND Start() {
        m_program = std::make_unique<ProgramDriver>(m_exe);
        return m_program->WaitForWindow(kMainDialogCaption);
    }

    // Starts the program, puts `path` of every slot into its field and presses OK.
    void StartAndSubmit(std::string (*path)(int)) {
        HWND dialog = Start();
        ASSERT_TRUE(dialog);
        FillAllFields(dialog, path);
        PressButton(dialog, IDOK);
    }

    void FillAllFields(HWND dialog, std::string (*path)(int)) {
        for (const IconSlotDef& def : kIconSlots) SetControlText(dialog, def.editId, path(def.slot));
    }

    void ExpectFieldsShow(HWND dialog, std::string (*path)(int)) {
        for (const IconSlotDef& def : kIconSlots) {
            EXPECT_EQ(ControlText(dialog, def.editId), path(def.slot)) << "slot " << def.slot;
        }
    }

    // OK was pressed on input that must be refused: the invalid-data message
    // once the dialog has closed, then, when it is dismissed, the dialog again
    // with `loaded` of each slot, the values read at start. `*dialog` becomes it.
    void ExpectRefusedAndReopened(HWND* dialog, std::string (*loaded)(int)) {
        HWND box = m_program->WaitForWindow(kMessageBoxCaption);
        ASSERT_TRUE(box) << "OK was not refused with a message captioned with the program's name";
        EXPECT_EQ(MessageBoxText(box), kInvalidDataText);
        EXPECT_FALSE(FindProgramWindow(m_program->ProcessId(), kMainDialogCaption)) << "the dialog closes first";
        PressButton(box, IDOK);

        *dialog = m_program->WaitForWindow(kMainDialogCaption);
        ASSERT_TRUE(*dialog) << "the dialog did not come back";
        ExpectFieldsShow(*dialog, loaded);
    }

    void ExpectSlotsHold(std::string (*path)(int)) {
        for (const IconSlotDef& def : kIconSlots) {
            EXPECT_EQ(SlotValue(def.slot).value_or("<missing>"), path(def.slot) + ",0") << "slot " << def.slot;
        }
    }

    // The ten values, the bin's default value and the metric, as they stand.
    static std::vector<std::string> StoredState() {
        std::vector<std::string> state;
        for (const IconSlotDef& def : kIconSlots) state.push_back(SlotValue(def.slot).value_or("<missing>"));
        state.push_back(BinDefaultValue().value_or("<missing>"));
        state.push_back(GetText(HKEY_CURRENT_USER, kMetricsKey, "Shell Icon Size").value_or("<missing>"));
        return state;
    }

    std::string m_exe;
    std::unique_ptr<ProgramDriver> m_program;
};

TEST_F(ProgramTest, CancelLeavesTheIconsAndWritesOnlyTheVersionStamp) {
    HWND dialog = Start();
    ASSERT_TRUE(dialog);
    ExpectFieldsShow(dialog, OldPath);

    PressButton(dialog, IDCANCEL);
    EXPECT_EQ(m_program->WaitForExit(), 0u);
    ExpectSlotsHold(OldPath);
    EXPECT_EQ(BinDefaultValue().value_or("<missing>"), "C:\\old\\bin.ico,0");
    EXPECT_EQ(GetText(HKEY_CURRENT_USER, kMetricsKey, "Shell Icon Size").value_or("<missing>"), "32");
    EXPECT_EQ(GetText(HKEY_LOCAL_MACHINE, "SOFTWARE\\KESTRAWN\\GLYPHER", "CurrentVersion").value_or("<missing>"),
              "1.01");
}

TEST_F(ProgramTest, ValidInputIsWrittenWithTheBinDefaultAndTheMetricRestored) {
    ASSERT_NO_FATAL_FAILURE(StartAndSubmit(NewPath));

    EXPECT_EQ(m_program->WaitForExit(), 0u);
    ExpectSlotsHold(NewPath);
    EXPECT_EQ(BinDefaultValue().value_or("<missing>"), NewPath(RecycleBinFull) + ",0");
    EXPECT_EQ(GetText(HKEY_CURRENT_USER, kMetricsKey, "Shell Icon Size").value_or("<missing>"), "32");
}

// Paths that code page 932 cannot hold: Windows would hand them over as
// look-alikes, ô as o and ¥ as a backslash.
const wchar_t* const kNotInCodePage[] = {L"C:\\Ic\u00F4nes\\a.ico", L"C:\\icons\u00A5a.ico"};

TEST_F(ProgramTest, RefusedInputShowsTheMessageReopensWithTheLoadedValuesAndStoresNothing) {
    // The folder field holds one of these; every other field a valid new path.
    std::vector<const wchar_t*> refused = {L"C:\\icons\\a.ICO"};
    refused.insert(refused.end(), std::begin(kNotInCodePage), std::end(kNotInCodePage));
    for (const wchar_t* typed : refused) {
        SCOPED_TRACE(ToCp932(typed));
        HWND dialog = Start();
        ASSERT_TRUE(dialog);
        FillAllFields(dialog, NewPath);
        SetWideControlText(dialog, IDC_FOLDER, typed);
        PressButton(dialog, IDOK);

        ASSERT_NO_FATAL_FAILURE(ExpectRefusedAndReopened(&dialog, OldPath));
        PressButton(dialog, IDCANCEL);
        EXPECT_EQ(m_program->WaitForExit(), 0u);
        ExpectSlotsHold(OldPath);
    }
}

TEST_F(ProgramTest, ResetPutsEveryFieldBackAndOkThenReadsThem) {
    HWND dialog = Start();
    ASSERT_TRUE(dialog);
    SetControlText(dialog, IDC_MY_COMPUTER, "typed");
    SetControlText(dialog, IDC_CDROM, "");
    SetControlText(dialog, IDC_FOLDER_OPEN, "C:\\x.ico");
    PressButton(dialog, IDC_RESET);
    // A message sent after the posted click is handled after it.
    ControlText(dialog, IDC_MY_COMPUTER);
    ExpectFieldsShow(dialog, OldPath);
    EXPECT_TRUE(IsWindowVisible(dialog)) << "reset keeps the dialog open";

    PressButton(dialog, IDOK);
    EXPECT_EQ(m_program->WaitForExit(), 0u);
    ExpectSlotsHold(OldPath);
}

TEST_F(ProgramTest, FieldsTakeTextOfAnyLength) {
    const std::string longPath = "C:\\" + std::string(3000, 'x') + "\\長い.ico";
    HWND dialog = Start();
    ASSERT_TRUE(dialog);
    FillAllFields(dialog, NewPath);
    SetControlText(dialog, IDC_MY_COMPUTER, longPath);
    PressButton(dialog, IDOK);

    EXPECT_EQ(m_program->WaitForExit(), 0u);
    EXPECT_EQ(SlotValue(MyComputer).value_or("<missing>"), longPath + ",0");
}

TEST_F(ProgramTest, EmptyMetricIsNeitherCreatedNorToggled) {
    DeleteValue(HKEY_CURRENT_USER, kMetricsKey, "Shell Icon Size");
    ASSERT_NO_FATAL_FAILURE(StartAndSubmit(NewPath));

    EXPECT_EQ(m_program->WaitForExit(), 0u);
    ExpectSlotsHold(NewPath);
    EXPECT_FALSE(GetText(HKEY_CURRENT_USER, kMetricsKey, "Shell Icon Size"));
}

TEST_F(ProgramTest, FailedWriteReportsTheCodeAndEndsWithExitCodeOne) {
    // The shell icons are written after the desktop and bin icons.
    WriteDenied denied(HKEY_LOCAL_MACHINE, kShellIconsKey);
    ASSERT_NO_FATAL_FAILURE(StartAndSubmit(NewPath));

    HWND box = m_program->WaitForWindow(kMessageBoxCaption);
    ASSERT_TRUE(box) << "no message box captioned with the program's name";
    EXPECT_EQ(MessageBoxText(box), kAccessDeniedText);
    PressButton(box, IDOK);
    EXPECT_EQ(m_program->WaitForExit(), 1u);

    for (IconSlot slot : {MyComputer, NetworkNeighborhood, RecycleBinFull, RecycleBinEmpty})
        EXPECT_EQ(SlotValue(slot).value_or("<missing>"), NewPath(slot) + ",0") << "slot " << slot;
    EXPECT_EQ(BinDefaultValue().value_or("<missing>"), NewPath(RecycleBinFull) + ",0");
    for (IconSlot slot : {HardDisk, Floppy35, Folder, FolderOpen, NetworkDrive, CdRomDrive})
        EXPECT_EQ(SlotValue(slot).value_or("<missing>"), OldPath(slot) + ",0") << "slot " << slot;
    EXPECT_EQ(GetText(HKEY_CURRENT_USER, kMetricsKey, "Shell Icon Size").value_or("<missing>"), "32")
        << "no refresh after the failure";
}

TEST_F(ProgramTest, JapanesePathsLoadAndAreWrittenBackUnchanged) {
    for (const IconSlotDef& def : kIconSlots) SetText(RootKey(def.root), def.subKey, def.valueName, JapanesePath(def.slot) + ",0");
    HWND dialog = Start();
    ASSERT_TRUE(dialog);
    ExpectFieldsShow(dialog, JapanesePath);

    PressButton(dialog, IDOK);
    EXPECT_EQ(m_program->WaitForExit(), 0u);
    ExpectSlotsHold(JapanesePath);
}

TEST_F(ProgramTest, AnUntouchedPathTheCodePageCannotHoldIsNeverWrittenBackAsALookAlike) {
    for (const wchar_t* stored : kNotInCodePage) {
        SCOPED_TRACE(ToCp932(stored));
        SetWideText(HKEY_CLASSES_ROOT, kIconSlots[MyComputer].subKey, "", std::wstring(stored) + L",0");
        HWND dialog = Start();
        ASSERT_TRUE(dialog);
        EXPECT_EQ(WideControlText(dialog, IDC_MY_COMPUTER), L"") << "it cannot be shown as it is";
        SetControlText(dialog, IDC_FOLDER, NewPath(Folder));
        PressButton(dialog, IDOK);

        ASSERT_NO_FATAL_FAILURE(ExpectRefusedAndReopened(
            &dialog, [](int slot) { return slot == MyComputer ? std::string() : OldPath(slot); }));
        PressButton(dialog, IDCANCEL);
        EXPECT_EQ(m_program->WaitForExit(), 0u);
        EXPECT_EQ(WideSlotValue(MyComputer).value_or(L"<missing>"), std::wstring(stored) + L",0");
        EXPECT_EQ(SlotValue(Folder).value_or("<missing>"), OldPath(Folder) + ",0");
    }
}

TEST_F(ProgramTest, DialogsDrawInTheVisualStyleAndFollowTheirMonitorsDpi) {
    HWND dialog = Start();
    ASSERT_TRUE(dialog);
    for (int button : {IDOK, IDCANCEL, IDC_RESET}) EXPECT_TRUE(DrawsInVisualStyle(GetDlgItem(dialog, button))) << button;
    EXPECT_EQ(GetAwarenessFromDpiAwarenessContext(GetWindowDpiAwarenessContext(dialog)),
              DPI_AWARENESS_PER_MONITOR_AWARE);

    PostMessageA(dialog, WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
    HWND about = m_program->WaitForWindow(kAboutBoxCaption);
    ASSERT_TRUE(about);
    EXPECT_TRUE(DrawsInVisualStyle(GetDlgItem(about, IDOK)));
    PressButton(about, IDOK);
    for (int waited = 0; waited < 100 && !IsWindowEnabled(dialog); ++waited) Sleep(50);  // the box has closed
    PressButton(dialog, IDCANCEL);
    EXPECT_EQ(m_program->WaitForExit(), 0u);
}

struct RepeatedApply {
    const char* name;
    const char* metric;         // "Shell Icon Size" before the first run
    std::string (*typed)(int);  // what the first run types, or null to keep what it shows
};

void PrintTo(const RepeatedApply& c, std::ostream* out) { *out << c.name; }

// Every run shows what the one before wrote and OK writes it back: the ",0"
// the writer appends must be cut again by the reader, and the metric, lowered
// and restored by each run, must come back to its number.
class RepeatedApplyTest : public ProgramTest, public ::testing::WithParamInterface<RepeatedApply> {};

TEST_P(RepeatedApplyTest, FiveRunsLeaveEveryValueAsTheFirstLeftIt) {
    const RepeatedApply& c = GetParam();
    SetText(HKEY_CURRENT_USER, kMetricsKey, "Shell Icon Size", c.metric);
    std::string (*shown)(int) = c.typed ? c.typed : OldPath;
    std::vector<std::string> expected;
    for (const IconSlotDef& def : kIconSlots) expected.push_back(shown(def.slot) + ",0");
    expected.push_back(shown(RecycleBinFull) + ",0");
    expected.push_back("32");  // the number alone, whatever text it was stored as

    std::vector<std::string> first;
    for (int run = 1; run <= 5; ++run) {
        SCOPED_TRACE("run " + std::to_string(run));
        HWND dialog = Start();
        ASSERT_TRUE(dialog);
        if (run == 1 && c.typed) {
            FillAllFields(dialog, c.typed);
        } else {
            ExpectFieldsShow(dialog, shown);
        }
        PressButton(dialog, IDOK);
        // A value read back with its ",0" fails the check and stops at the message box.
        ASSERT_EQ(m_program->WaitForExit(), 0u);

        if (run == 1) {
            first = StoredState();
            EXPECT_EQ(first, expected);
        } else {
            EXPECT_EQ(StoredState(), first);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    ProgramTest, RepeatedApplyTest,
    ::testing::Values(
        // The stored locations already carry ",0", so the first run writes back what it read.
        RepeatedApply{"KeptLocationsAndAPlainMetric", "32", nullptr},
        // A metric stored as a location must become the plain number, not grow an index.
        RepeatedApply{"TypedPathsAndAMetricWithAnIndex", "32,0", NewPath}),
    [](const ::testing::TestParamInfo<RepeatedApply>& info) { return std::string(info.param.name); });

}  // namespace
