// The main dialog and the about box in this process, driven step by step from
// a thread timer while the modal loop runs.
#include <gtest/gtest.h>

#include "platform/win32/WinApi.h"

#include <cstdlib>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "platform/win32/WinApp.h"
#include "res/resource.h"
#include "ui/ShellIconDlg.h"

namespace {

// Records help requests instead of starting the help engine.
class TestApp : public CWinApp {
public:
    TestApp() : CWinApp("GLYPHER") {}
    BOOL InitInstance() override { return FALSE; }
    void WinHelp(HWND, DWORD helpContext) override { helpRequests.push_back(helpContext); }

    std::vector<DWORD> helpRequests;
} g_app;

const char kAboutCaption[] = "ﾊﾞｰｼﾞｮﾝ情報 glypher";
const char kAboutItemText[] = "ﾊﾞｰｼﾞｮﾝ情報(glypher) (&A)...";

using Step = std::function<void(HWND)>;
std::vector<Step>* g_pendingSteps;
size_t g_nextStep;

// Runs the next step on the window that is active at this tick.
void CALLBACK RunNextStep(HWND, UINT, UINT_PTR, DWORD) {
    HWND active = GetActiveWindow();
    if (!active || g_nextStep == g_pendingSteps->size()) return;
    (*g_pendingSteps)[g_nextStep++](active);
}

// Runs `steps` one per timer tick inside the modal loop that `run` starts.
INT_PTR RunScripted(const std::function<INT_PTR()>& run, std::vector<Step> steps) {
    g_pendingSteps = &steps;
    g_nextStep = 0;
    UINT_PTR timer = SetTimer(nullptr, 0, 30, RunNextStep);
    INT_PTR result = run();
    KillTimer(nullptr, timer);
    EXPECT_EQ(g_nextStep, steps.size()) << "the dialog closed before the script ended";
    return result;
}

// Presses and releases `keys` in order, then releases them in reverse, as
// typed on the keyboard.
void Type(std::initializer_list<WORD> keys) {
    std::vector<INPUT> inputs;
    for (WORD key : keys) {
        INPUT input = {};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key;
        inputs.push_back(input);
    }
    for (auto key = keys.end(); key != keys.begin();) {
        INPUT input = {};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = *--key;
        input.ki.dwFlags = KEYEVENTF_KEYUP;
        inputs.push_back(input);
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

std::string Text(HWND window, int controlId) {
    char text[512] = {};
    GetDlgItemTextA(window, controlId, text, sizeof text);
    return text;
}

std::string Caption(HWND window) {
    char text[256] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

POINT CentreOf(HWND window) {
    RECT rect;
    GetWindowRect(window, &rect);
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

int AboutItemCount(HWND window) {
    HMENU menu = GetSystemMenu(window, FALSE);
    int found = 0;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) found += GetMenuItemID(menu, i) == IDM_ABOUTBOX;
    return found;
}

class DialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        g_app.m_hInstance = GetModuleHandleA(nullptr);
        g_app.helpRequests.clear();
    }
    CShellIconDlg dialog;
};

TEST_F(DialogTest, OkReadsEveryFieldExactlyAndCancelReadsNone) {
    for (const IconSlotDef& def : kIconSlots) dialog.EditedPath(def.slot) = "before";
    INT_PTR result = RunScripted([&] { return dialog.DoModal(); },
                                 {[](HWND window) {
                                      for (const IconSlotDef& def : kIconSlots)
                                          SetDlgItemTextA(window, def.editId, def.label);
                                      SetDlgItemTextA(window, IDC_HARD_DISK, "");
                                  },
                                  [](HWND window) { PostMessageA(window, WM_COMMAND, IDOK, 0); }});
    EXPECT_EQ(result, IDOK);
    for (const IconSlotDef& def : kIconSlots) {
        EXPECT_EQ(std::string(dialog.EditedPath(def.slot)), def.slot == HardDisk ? "" : def.label) << def.editId;
    }

    result = RunScripted([&] { return dialog.DoModal(); },
                         {[](HWND window) { SetDlgItemTextA(window, IDC_FOLDER, "typed"); },
                          [](HWND window) { PostMessageA(window, WM_COMMAND, IDCANCEL, 0); }});
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(std::string(dialog.EditedPath(Folder)), kIconSlots[Folder].label);
}

TEST_F(DialogTest, OkOnTextTheCodePageCannotHoldLeavesThatFieldUnread) {
    for (const IconSlotDef& def : kIconSlots) dialog.EditedPath(def.slot) = "before";
    INT_PTR result = RunScripted([&] { return dialog.DoModal(); },
                                 {[](HWND window) {
                                      SetDlgItemTextW(window, IDC_FOLDER, L"C:\\Ic\u00F4nes\\a.ico");
                                      SetDlgItemTextA(window, IDC_CDROM, "C:\\cd.ico");
                                      PostMessageA(window, WM_COMMAND, IDOK, 0);
                                  }});
    EXPECT_EQ(result, IDTEXTNOTHELD);
    EXPECT_EQ(std::string(dialog.EditedPath(Folder)), "before") << "a look-alike was read";
    EXPECT_EQ(std::string(dialog.EditedPath(CdRomDrive)), "C:\\cd.ico");
}

TEST_F(DialogTest, EachShowingStartsFromTheValuesSetForItAndResetsToThem) {
    for (const char* value : {"C:\\first.ico", "C:\\second.ico"}) {
        SCOPED_TRACE(value);
        for (const IconSlotDef& def : kIconSlots) dialog.EditedPath(def.slot) = value;
        RunScripted([&] { return dialog.DoModal(); },
                    {[&](HWND window) {
                         for (const IconSlotDef& def : kIconSlots) EXPECT_EQ(Text(window, def.editId), value);
                         SetDlgItemTextA(window, IDC_NETWORK, "typed");
                         SendMessageA(window, WM_COMMAND, MAKEWPARAM(IDC_RESET, BN_CLICKED), 0);
                         for (const IconSlotDef& def : kIconSlots) EXPECT_EQ(Text(window, def.editId), value);
                         PostMessageA(window, WM_COMMAND, IDOK, 0);
                     }});
        EXPECT_EQ(std::string(dialog.EditedPath(NetworkNeighborhood)), value);
    }
}

TEST_F(DialogTest, SystemMenuCarriesTheAboutItemOncePerShowing) {
    for (int showing = 1; showing <= 2; ++showing) {
        SCOPED_TRACE(showing);
        RunScripted([&] { return dialog.DoModal(); },
                    {[](HWND window) {
                         EXPECT_EQ(AboutItemCount(window), 1);
                         HMENU menu = GetSystemMenu(window, FALSE);
                         int last = GetMenuItemCount(menu) - 1;
                         EXPECT_EQ(GetMenuItemID(menu, last), static_cast<UINT>(IDM_ABOUTBOX));
                         char text[64] = {};
                         GetMenuStringA(menu, last, text, sizeof text, MF_BYPOSITION);
                         EXPECT_STREQ(text, kAboutItemText);
                         EXPECT_EQ(GetMenuState(menu, last - 1, MF_BYPOSITION) & MF_SEPARATOR,
                                   static_cast<UINT>(MF_SEPARATOR));
                         PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
                     }});
    }
}

TEST_F(DialogTest, AboutBoxIsModalOverTheDialogAndKeepsItsFields) {
    for (UINT command : {0x0010u, 0x0013u, 0x001Fu}) {
        SCOPED_TRACE(command);
        HWND main = nullptr;
        RunScripted([&] { return dialog.DoModal(); },
                    {[&](HWND window) {
                         main = window;
                         SetDlgItemTextA(window, IDC_FLOPPY, "typed");
                         PostMessageA(window, WM_SYSCOMMAND, command, 0);
                     },
                     [&](HWND about) {
                         EXPECT_NE(about, main);
                         EXPECT_EQ(Caption(about), kAboutCaption);
                         EXPECT_LE(std::abs(CentreOf(about).x - CentreOf(main).x), 1) << "centred over the dialog";
                         EXPECT_LE(std::abs(CentreOf(about).y - CentreOf(main).y), 1) << "centred over the dialog";
                         EXPECT_FALSE(IsWindowEnabled(main)) << "the dialog accepts no input meanwhile";
                         PostMessageA(about, WM_COMMAND, IDOK, 0);
                     },
                     [&](HWND window) {
                         EXPECT_EQ(window, main);
                         EXPECT_TRUE(IsWindowEnabled(main));
                         EXPECT_EQ(Text(window, IDC_FLOPPY), "typed");
                         PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
                     }});
    }
}

TEST_F(DialogTest, CloseFromTheSystemMenuCancels) {
    INT_PTR result = RunScripted([&] { return dialog.DoModal(); },
                                 {[](HWND window) { PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0); }});
    EXPECT_EQ(result, IDCANCEL);
}

TEST_F(DialogTest, F1AsksForTheTopicOfTheDialogInFrontUnlessAModifierIsHeld) {
    const std::vector<DWORD> mainTopic = {0x20066}, bothTopics = {0x20066, 0x20064};
    RunScripted([&] { return dialog.DoModal(); },
                {[](HWND) { Type({VK_F1}); },
                 [&](HWND) { EXPECT_EQ(g_app.helpRequests, mainTopic); },
                 [](HWND) { Type({VK_CONTROL, VK_F1}); },
                 [](HWND) { Type({VK_SHIFT, VK_F1}); },
                 [&](HWND window) {
                     EXPECT_EQ(g_app.helpRequests, mainTopic) << "a modifier was held";
                     PostMessageA(window, WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
                 },
                 [](HWND) { Type({VK_F1}); },
                 [&](HWND about) {
                     EXPECT_EQ(g_app.helpRequests, bothTopics);
                     PostMessageA(about, WM_COMMAND, IDOK, 0);
                 },
                 [](HWND window) { PostMessageA(window, WM_COMMAND, IDCANCEL, 0); }});
}

}  // namespace
