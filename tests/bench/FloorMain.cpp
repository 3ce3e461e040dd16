// The floor GLYPHER's start-up is measured against: the main dialog's
// template, with the same manifest and icon, built with the same compiler and
// linker options, and a dialog procedure that does nothing but close it.
#include "platform/win32/WinApi.h"

#include "res/resource.h"

namespace {
INT_PTR CALLBACK CloseOnOkOrCancel(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG) return TRUE;
    if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
        EndDialog(dialog, LOWORD(wParam));
        return TRUE;
    }
    return FALSE;
}
}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_SHELLICON_DIALOG), nullptr, CloseOnOkOrCancel, 0);
    return 0;  // as GLYPHER.EXE ends after Cancel
}
