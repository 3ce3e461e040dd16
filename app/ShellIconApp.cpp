#include "app/ShellIconApp.h"

#include "app/EditCycle.h"
#include "platform/win32/Win32Host.h"
#include "ui/ShellIconDlg.h"

static_assert(kModalOk == IDOK, "the edit cycle's OK is the dialog's IDOK");
static_assert(kModalTextNotHeld == IDTEXTNOTHELD, "the edit cycle knows the dialog's refusal of unheld text");

namespace {
// The main dialog as the edit cycle drives it.
class DialogEditor : public IconEditor {
public:
    explicit DialogEditor(CShellIconDlg& dialog) : m_dialog(dialog) {}
    CString& EditedPath(IconSlot slot) override { return m_dialog.EditedPath(slot); }
    int RunModal() override { return static_cast<int>(m_dialog.DoModal()); }

private:
    CShellIconDlg& m_dialog;
};
}  // namespace

CShellIconApp theApp;

CShellIconApp::CShellIconApp() : CWinApp(nullptr) {}

BOOL CShellIconApp::InitInstance() {
    Enable3dControlsStatic();
    CShellIconDlg dialog;
    DialogEditor editor(dialog);
    Win32Host host;
    RunEditCycle(host, m_iconTable, editor);
    return FALSE;
}
