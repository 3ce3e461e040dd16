#include "tests/e2e/ProgramDriver.h"

#include <commctrl.h>

#include <vector>

#include "tests/e2e/Cp932Text.h"

const char kMainDialogCaption[] = "KESTRAWN ｸﾞﾘﾌｧｰ";
const char kAboutBoxCaption[] = "ﾊﾞｰｼﾞｮﾝ情報 glypher";
const char kMessageBoxCaption[] = "GLYPHER";

ProgramDriver::ProgramDriver(const std::string& exePath) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    std::string commandLine = "\"" + exePath + "\"";
    if (!CreateProcessA(exePath.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &m_process)) {
        m_process = {};
    }
}

ProgramDriver::~ProgramDriver() {
    if (!m_process.hProcess) return;
    if (WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(m_process.hProcess, 99);
        WaitForSingleObject(m_process.hProcess, 5000);
    }
    CloseHandle(m_process.hThread);
    CloseHandle(m_process.hProcess);
}

namespace {
struct WindowSearch {
    DWORD processId;
    std::wstring caption;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<WindowSearch*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if ((search->processId && owner != search->processId) || !IsWindowVisible(window)) return TRUE;
    wchar_t className[16] = {};
    GetClassNameW(window, className, 16);
    if (std::wstring(className) != L"#32770") return TRUE;
    wchar_t caption[256] = {};
    GetWindowTextW(window, caption, 256);
    if (search->caption != caption) return TRUE;
    search->found = window;
    return FALSE;
}
}  // namespace

HWND FindProgramWindow(DWORD processId, const std::string& caption) {
    WindowSearch search = {processId, FromCp932(caption), nullptr};
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Fine enough for scripts/bench.sh to time a start-up of a few hundred milliseconds.
constexpr DWORD kPollMs = 5;

HWND WaitForProgramWindow(DWORD processId, const std::string& caption, DWORD timeoutMs, HANDLE process) {
    // Timed by the clock: with a short poll, each search's own time adds up.
    for (DWORD start = GetTickCount(); GetTickCount() - start < timeoutMs;) {
        if (HWND window = FindProgramWindow(processId, caption)) {
            // Let the dialog finish WM_INITDIALOG and its first paint.
            DWORD_PTR ignored;
            SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_BLOCK, 5000, &ignored);
            return window;
        }
        if (!process) {
            Sleep(kPollMs);
        } else if (WaitForSingleObject(process, kPollMs) == WAIT_OBJECT_0) {
            return nullptr;
        }
    }
    return nullptr;
}

HWND ProgramDriver::WaitForWindow(const std::string& caption, DWORD timeoutMs) {
    return WaitForProgramWindow(m_process.dwProcessId, caption, timeoutMs, m_process.hProcess);
}

DWORD ProgramDriver::WaitForExit(DWORD timeoutMs) {
    if (!m_process.hProcess || WaitForSingleObject(m_process.hProcess, timeoutMs) != WAIT_OBJECT_0) return STILL_ACTIVE;
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(m_process.hProcess, &code);
    return code;
}

std::wstring WideControlText(HWND dialog, int controlId) {
    HWND control = GetDlgItem(dialog, controlId);
    LRESULT length = SendMessageW(control, WM_GETTEXTLENGTH, 0, 0);
    std::vector<wchar_t> text(length + 1);
    SendMessageW(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    return text.data();
}

void SetWideControlText(HWND dialog, int controlId, const std::wstring& text) {
    SendMessageW(GetDlgItem(dialog, controlId), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

std::string ControlText(HWND dialog, int controlId) { return ToCp932(WideControlText(dialog, controlId)); }

void SetControlText(HWND dialog, int controlId, const std::string& text) {
    SetWideControlText(dialog, controlId, FromCp932(text));
}

void PressButton(HWND dialog, int buttonId) {
    // Posted: the handler may run a modal loop (the about box) or end the dialog.
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, buttonId)));
}

std::string MessageBoxText(HWND box) { return ControlText(box, 0xFFFF); }

bool DrawsInVisualStyle(HWND button) {
    // Only a version 6 button answers, and it writes the size into the memory
    // of its own process.
    DWORD processId = 0;
    GetWindowThreadProcessId(button, &processId);
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
    if (!process) return false;
    void* size = VirtualAllocEx(process, nullptr, sizeof(SIZE), MEM_COMMIT, PAGE_READWRITE);
    bool answered = size && SendMessageW(button, BCM_GETIDEALSIZE, 0, reinterpret_cast<LPARAM>(size));
    if (size) VirtualFreeEx(process, size, 0, MEM_RELEASE);
    CloseHandle(process);
    return answered;
}
