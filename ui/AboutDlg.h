// The about box, opened from the main dialog's system menu: the application
// icon, the version and the maker's notice, closed with OK.
#pragma once

#include "platform/win32/Dialog.h"

class CAboutDlg : public CDialog {
public:
    CAboutDlg();
};
