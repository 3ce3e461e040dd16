// The application object: one global instance whose InitInstance is called by
// WinMain. It knows the executable's name, which captions every message box,
// and its help file.
#pragma once

#include "platform/win32/WinApi.h"

class CWinApp {
public:
    // `appName` null: the application is named after the executable's base name.
    explicit CWinApp(const char* appName = nullptr);
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // The run of the program. A result of FALSE ends it without a message loop,
    // the only way this layer supports.
    virtual BOOL InitInstance() = 0;
    // The exit code of a run that InitInstance ended.
    virtual int ExitInstance();

    // The help command (F1 in a dialog): asks the help engine for the topic
    // of the dialog that holds the keyboard focus.
    void OnHelp();
    // Asks the help engine for topic `helpContext` of the help file named
    // after the executable, on behalf of `window`.
    virtual void WinHelp(HWND window, DWORD helpContext);

    // Gives the dialogs the controls of the common controls library that the
    // manifest names (version 6, drawn in the system's visual style).
    BOOL Enable3dControlsStatic();

    HINSTANCE m_hInstance = nullptr;
    const char* m_pszAppName;
    const char* m_pszHelpFilePath = nullptr;

private:
    friend int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int);
    // Called by WinMain before InitInstance.
    void InitFromModule(HINSTANCE instance);

};

CWinApp* AfxGetApp();
HINSTANCE AfxGetResourceHandle();

// The help context of a dialog's topic: the base of dialog topics plus its
// template number.
constexpr DWORD kDialogHelpBase = 0x20000;
// Sent to a top-level window to learn its help context; 0 means it has none.
constexpr UINT kQueryHelpContextMessage = WM_APP + 1;
