// GLYPHER's application object: owns the icon table for the whole run, and
// its InitInstance is the whole run.
#pragma once

#include "platform/win32/WinApp.h"
#include "store/IconTable.h"

class CShellIconApp : public CWinApp {
public:
    CShellIconApp();

    // Runs the edit cycle with the main dialog and returns FALSE, so the
    // program ends without a message loop.
    BOOL InitInstance() override;

    IconTable m_iconTable;
};
