// Drives a running GLYPHER.EXE from another process, as a user would: finds
// its windows, types into fields, presses buttons, reads message boxes.
#pragma once

#include "platform/win32/WinApi.h"

#include <string>

class ProgramDriver {
public:
    // Starts `exePath`; the driver ends the process if it is still running when destroyed.
    explicit ProgramDriver(const std::string& exePath);
    ~ProgramDriver();
    ProgramDriver(const ProgramDriver&) = delete;
    ProgramDriver& operator=(const ProgramDriver&) = delete;

    // The program's visible dialog whose caption is `caption` (CP932), or
    // null after `timeoutMs`.
    HWND WaitForWindow(const std::string& caption, DWORD timeoutMs = 20000);
    // The exit code, or STILL_ACTIVE when the program has not ended in time.
    DWORD WaitForExit(DWORD timeoutMs = 20000);

    DWORD ProcessId() const { return m_process.dwProcessId; }

private:
    PROCESS_INFORMATION m_process = {};
};

// Finds a visible top-level dialog of process `processId` (0: any) with `caption`.
HWND FindProgramWindow(DWORD processId, const std::string& caption);
// Waits for that dialog and for it to finish opening; null after `timeoutMs`,
// or as soon as `process` (if given) ends.
HWND WaitForProgramWindow(DWORD processId, const std::string& caption, DWORD timeoutMs, HANDLE process = nullptr);

// A control's text in code page 932, whatever this process's code page.
std::string ControlText(HWND dialog, int controlId);
void SetControlText(HWND dialog, int controlId, const std::string& text);
// The same as the control holds it, in UTF-16, for text that 932 cannot hold.
std::wstring WideControlText(HWND dialog, int controlId);
void SetWideControlText(HWND dialog, int controlId, const std::wstring& text);
// Presses a button as a click would: the dialog receives BN_CLICKED.
void PressButton(HWND dialog, int buttonId);
// The text of a message box (its static with id 0xFFFF).
std::string MessageBoxText(HWND box);
// True when `button`, of any process, is a common controls version 6 button,
// which draws in the system's visual style.
bool DrawsInVisualStyle(HWND button);

// The captions of the main dialog, the about box and the message boxes.
extern const char kMainDialogCaption[];
extern const char kAboutBoxCaption[];
extern const char kMessageBoxCaption[];
