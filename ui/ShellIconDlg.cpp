#include "ui/ShellIconDlg.h"

#include "platform/win32/PaintDC.h"
#include "platform/win32/WinApp.h"
#include "res/resource.h"
#include "ui/AboutDlg.h"
#include "ui/IconPlacement.h"

const CShellIconDlg::PathMember CShellIconDlg::kEditedPaths[kIconSlotCount] = {
    &CShellIconDlg::m_strRecycleBinEmpty, &CShellIconDlg::m_strRecycleBinFull,
    &CShellIconDlg::m_strHardDisk,        &CShellIconDlg::m_strMyComputer,
    &CShellIconDlg::m_strNetworkNeighborhood, &CShellIconDlg::m_strCdRomDrive,
    &CShellIconDlg::m_strFloppy35,        &CShellIconDlg::m_strFolder,
    &CShellIconDlg::m_strFolderOpen,      &CShellIconDlg::m_strNetworkDrive,
};

const CShellIconDlg::PathMember CShellIconDlg::kInitialPaths[kIconSlotCount] = {
    &CShellIconDlg::m_strInitialRecycleBinEmpty, &CShellIconDlg::m_strInitialRecycleBinFull,
    &CShellIconDlg::m_strInitialHardDisk,        &CShellIconDlg::m_strInitialMyComputer,
    &CShellIconDlg::m_strInitialNetworkNeighborhood, &CShellIconDlg::m_strInitialCdRomDrive,
    &CShellIconDlg::m_strInitialFloppy35,        &CShellIconDlg::m_strInitialFolder,
    &CShellIconDlg::m_strInitialFolderOpen,      &CShellIconDlg::m_strInitialNetworkDrive,
};

CShellIconDlg::CShellIconDlg(HWND parent)
    : CDialog(IDD_SHELLICON_DIALOG, parent),
      m_hIcon(LoadIconA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDR_MAINFRAME))) {}

void CShellIconDlg::DoDataExchange(CDataExchange* dx) {
    for (const IconSlotDef& def : kIconSlots) DDX_Text(dx, def.editId, this->*kEditedPaths[def.slot]);
}

BOOL CShellIconDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    for (int slot = 0; slot < kIconSlotCount; ++slot) this->*kInitialPaths[slot] = this->*kEditedPaths[slot];
    InstallAboutItem();
    SendMessageA(m_hWnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessageA(m_hWnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));
    return TRUE;
}

void CShellIconDlg::InstallAboutItem() {
    HMENU systemMenu = GetSystemMenu(m_hWnd, FALSE);
    CString text;
    text.LoadString(IDS_ABOUTBOX);
    if (text.IsEmpty()) return;
    AppendMenuA(systemMenu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(systemMenu, MF_STRING, IDM_ABOUTBOX, text);
}

bool CShellIconDlg::OnCommand(WORD id, WORD notifyCode) {
    if (id == IDC_RESET && notifyCode == BN_CLICKED) {
        OnResetFields();
        return true;
    }
    return CDialog::OnCommand(id, notifyCode);
}

void CShellIconDlg::OnResetFields() {
    for (int slot = 0; slot < kIconSlotCount; ++slot) this->*kEditedPaths[slot] = this->*kInitialPaths[slot];
    UpdateData(FALSE);
}

bool CShellIconDlg::OnSysCommand(UINT command, LPARAM lParam) {
    if ((command & 0xFFF0) == IDM_ABOUTBOX) {
        CAboutDlg about;
        about.DoModal();
        return true;
    }
    return CDialog::OnSysCommand(command, lParam);
}

bool CShellIconDlg::OnPaint() {
    if (!IsIconic(m_hWnd)) return CDialog::OnPaint();

    CPaintDC dc(m_hWnd);
    SendMessageA(m_hWnd, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.m_hDC), 0);
    int cxIcon = GetSystemMetrics(SM_CXICON);
    int cyIcon = GetSystemMetrics(SM_CYICON);
    RECT rect;
    GetClientRect(m_hWnd, &rect);
    int x = CentredIconOffset(rect.right - rect.left, cxIcon);
    int y = CentredIconOffset(rect.bottom - rect.top, cyIcon);
    DrawIcon(dc.m_hDC, x, y, m_hIcon);
    return true;
}

HCURSOR CShellIconDlg::OnQueryDragIcon() { return static_cast<HCURSOR>(m_hIcon); }
