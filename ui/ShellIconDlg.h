// The main settings dialog: one edit field per shell icon, OK, Cancel, and a
// reset button that puts every field back to what it showed when the dialog
// opened. It validates nothing; the edit cycle checks the paths after OK.
#pragma once

#include "platform/CString.h"
#include "platform/win32/Dialog.h"
#include "store/IconSlot.h"

class CShellIconDlg : public CDialog {
public:
    explicit CShellIconDlg(HWND parent = nullptr);

    // The edited path of `slot`: set before DoModal, read after IDOK.
    CString& EditedPath(IconSlot slot) { return this->*kEditedPaths[slot]; }

    // Edited paths, in IconSlot order.
    CString m_strRecycleBinEmpty;
    CString m_strRecycleBinFull;
    CString m_strHardDisk;
    CString m_strMyComputer;
    CString m_strNetworkNeighborhood;
    CString m_strCdRomDrive;
    CString m_strFloppy35;
    CString m_strFolder;
    CString m_strFolderOpen;
    CString m_strNetworkDrive;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    bool OnCommand(WORD id, WORD notifyCode) override;
    bool OnSysCommand(UINT command, LPARAM lParam) override;
    bool OnPaint() override;
    HCURSOR OnQueryDragIcon() override;

private:
    void OnResetFields();
    void InstallAboutItem();

    using PathMember = CString CShellIconDlg::*;
    static const PathMember kEditedPaths[kIconSlotCount];
    static const PathMember kInitialPaths[kIconSlotCount];

    HICON m_hIcon;  // a shared resource icon: never destroyed

    // The paths as the current showing opened with them, in IconSlot order.
    CString m_strInitialRecycleBinEmpty;
    CString m_strInitialRecycleBinFull;
    CString m_strInitialHardDisk;
    CString m_strInitialMyComputer;
    CString m_strInitialNetworkNeighborhood;
    CString m_strInitialCdRomDrive;
    CString m_strInitialFloppy35;
    CString m_strInitialFolder;
    CString m_strInitialFolderOpen;
    CString m_strInitialNetworkDrive;
};
