#include "platform/win32/Dialog.h"

#include "platform/win32/CodePageText.h"
#include "platform/win32/WinApp.h"

void DDX_Text(CDataExchange* dx, int controlId, CString& value) {
    HWND control = GetDlgItem(dx->m_pDlgWnd->m_hWnd, controlId);
    if (!dx->m_bSaveAndValidate) {
        SetWindowTextA(control, value);
        return;
    }
    // The control holds UTF-16; read it as such so that text the code page
    // cannot hold is refused rather than read as its substitute.
    int units = GetWindowTextLengthW(control);
    WCHAR* text = new WCHAR[units + 1];
    units = GetWindowTextW(control, text, units + 1);
    int bytes;
    if (ToCodePage(text, units, nullptr, 0, &bytes) == ERROR_SUCCESS) {
        ToCodePage(text, units, value.GetBuffer(bytes), bytes, &bytes);
        value.ReleaseBuffer(bytes);
    } else {
        dx->m_bTextNotHeld = TRUE;
    }
    delete[] text;
}

namespace {
// Centres `window` over its owner, or over the work area when it has none,
// keeping it inside the work area.
void CenterOverOwner(HWND window) {
    RECT work;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    RECT area = work;
    if (HWND owner = GetWindow(window, GW_OWNER)) GetWindowRect(owner, &area);
    RECT box;
    GetWindowRect(window, &box);
    int width = box.right - box.left;
    int height = box.bottom - box.top;
    int x = area.left + (area.right - area.left - width) / 2;
    int y = area.top + (area.bottom - area.top - height) / 2;
    if (x + width > work.right) x = work.right - width;
    if (y + height > work.bottom) y = work.bottom - height;
    if (x < work.left) x = work.left;
    if (y < work.top) y = work.top;
    SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
}  // namespace

CDialog::CDialog(UINT templateId, HWND parent) : m_nIDHelp(templateId), m_templateId(templateId), m_parent(parent) {}

CDialog::~CDialog() {
    if (m_hWnd) DestroyWindow(m_hWnd);
}

INT_PTR CDialog::DoModal() {
    HWND owner = m_parent ? m_parent : GetActiveWindow();
    // A Unicode dialog: its controls keep their text in UTF-16 whatever the code page.
    INT_PTR result = DialogBoxParamW(AfxGetResourceHandle(), MAKEINTRESOURCEW(m_templateId), owner, DialogProc,
                                     reinterpret_cast<LPARAM>(this));
    m_hWnd = nullptr;
    return result;
}

BOOL CDialog::UpdateData(BOOL saveAndValidate) {
    CDataExchange dx = {this, saveAndValidate, FALSE};
    DoDataExchange(&dx);
    return !dx.m_bTextNotHeld;
}

void CDialog::EndDialog(int result) { ::EndDialog(m_hWnd, result); }

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::DoDataExchange(CDataExchange*) {}

void CDialog::OnOK() { EndDialog(UpdateData(TRUE) ? IDOK : IDTEXTNOTHELD); }

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

bool CDialog::OnCommand(WORD id, WORD) {
    switch (id) {
    case IDOK: OnOK(); return true;
    case IDCANCEL: OnCancel(); return true;
    case ID_HELP: AfxGetApp()->OnHelp(); return true;
    default: return false;
    }
}

bool CDialog::OnSysCommand(UINT, LPARAM) { return false; }

bool CDialog::OnPaint() { return false; }

HCURSOR CDialog::OnQueryDragIcon() { return nullptr; }

INT_PTR CALLBACK CDialog::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* dialog = reinterpret_cast<CDialog*>(lParam);
        SetWindowLongPtrA(window, DWLP_USER, lParam);
        dialog->m_hWnd = window;
        BOOL result = dialog->OnInitDialog();
        // Without DS_CENTER a template's position is relative to its owner's
        // corner; this layer opens such dialogs centred over the owner instead.
        if (!(GetWindowLongA(window, GWL_STYLE) & DS_CENTER)) CenterOverOwner(window);
        return result;
    }
    // Messages sent before WM_INITDIALOG (WM_SETFONT and the like) find no object yet.
    auto* dialog = reinterpret_cast<CDialog*>(GetWindowLongPtrA(window, DWLP_USER));
    return dialog ? dialog->OnMessage(message, wParam, lParam) : FALSE;
}

INT_PTR CDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND: return OnCommand(LOWORD(wParam), HIWORD(wParam));
    case WM_SYSCOMMAND: return OnSysCommand(static_cast<UINT>(wParam), lParam);
    case WM_PAINT: return OnPaint();
    case WM_QUERYDRAGICON: return reinterpret_cast<INT_PTR>(OnQueryDragIcon());
    case kQueryHelpContextMessage:
        // A dialog procedure hands a message's result back through DWLP_MSGRESULT.
        SetWindowLongPtrA(m_hWnd, DWLP_MSGRESULT, kDialogHelpBase + m_nIDHelp);
        return TRUE;
    case WM_HELP: {
        // F1 with Shift, Ctrl or Alt held asks for no help.
        bool modified = (GetKeyState(VK_SHIFT) | GetKeyState(VK_CONTROL) | GetKeyState(VK_MENU)) < 0;
        if (!modified) SendMessageA(m_hWnd, WM_COMMAND, ID_HELP, 0);
        return TRUE;
    }
    default: return FALSE;
    }
}
