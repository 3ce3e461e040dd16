// Modal dialogs: one static dialog procedure forwards each message to a
// virtual handler of the dialog object; data exchange moves member strings
// to and from the dialog's controls.
#pragma once

#include "platform/win32/WinApi.h"

#include "platform/CString.h"

// The standard help command: F1 in a dialog becomes this WM_COMMAND.
constexpr WORD ID_HELP = 0xE146;

class CDialog;

// DoModal's result when OK was pressed on a field whose text the process
// code page cannot hold: that field's member was not read.
constexpr int IDTEXTNOTHELD = 0x100;

struct CDataExchange {
    CDialog* m_pDlgWnd;
    BOOL m_bSaveAndValidate;  // TRUE: controls to members; FALSE: members to controls
    BOOL m_bTextNotHeld;      // set when saving met a field the code page cannot hold
};

// Exchanges the whole text of control `controlId` with `value`, of any length.
// Saving a text the code page cannot hold exactly leaves `value` as it was
// and sets m_bTextNotHeld.
void DDX_Text(CDataExchange* dx, int controlId, CString& value);

class CDialog {
public:
    // `parent` null: the active window, if any, owns the dialog while it runs.
    explicit CDialog(UINT templateId, HWND parent = nullptr);
    virtual ~CDialog();
    CDialog(const CDialog&) = delete;
    CDialog& operator=(const CDialog&) = delete;

    // Creates the window from the template and runs it until EndDialog:
    // IDOK, IDTEXTNOTHELD, IDCANCEL, or -1 when the window cannot be created. A template
    // without DS_CENTER opens centred over the owner.
    INT_PTR DoModal();

    // Runs DoDataExchange in one direction. FALSE when a field's text could
    // not be held (saving only).
    BOOL UpdateData(BOOL saveAndValidate = TRUE);
    void EndDialog(int result);

    HWND m_hWnd = nullptr;

protected:
    // Loads the members into the controls. TRUE: focus goes to the first tab stop.
    virtual BOOL OnInitDialog();
    virtual void DoDataExchange(CDataExchange* dx);
    // Reads the controls, then ends the dialog with IDOK, or with
    // IDTEXTNOTHELD when a field's text could not be held.
    virtual void OnOK();
    // Ends the dialog with IDCANCEL without reading the controls.
    virtual void OnCancel();

    // Message handlers: each returns true when it handled the message and
    // false for the default processing.
    virtual bool OnCommand(WORD id, WORD notifyCode);
    virtual bool OnSysCommand(UINT command, LPARAM lParam);
    virtual bool OnPaint();
    // The cursor shown while the minimized window is dragged; null for the default.
    virtual HCURSOR OnQueryDragIcon();

    UINT m_nIDHelp;  // the template number, which names the dialog's help topic

private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam);

    UINT m_templateId;
    HWND m_parent;
};
