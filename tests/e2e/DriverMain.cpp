// glypher_driver wait|cancel: waits until a running GLYPHER shows its main
// dialog, and with "cancel" then presses Cancel in it; for scripts that start
// the program where nobody can use it. Exit code 1: no dialog appeared.
#include <cstring>

#include "tests/e2e/ProgramDriver.h"

int main(int argc, char** argv) {
    bool cancel = argc == 2 && std::strcmp(argv[1], "cancel") == 0;
    if (argc != 2 || (!cancel && std::strcmp(argv[1], "wait") != 0)) return 2;
    HWND dialog = FindProgramWindow(0, kMainDialogCaption);
    for (int attempt = 0; !dialog && attempt < 200; ++attempt) {
        Sleep(50);
        dialog = FindProgramWindow(0, kMainDialogCaption);
    }
    if (!dialog) return 1;
    if (cancel) PressButton(dialog, IDCANCEL);
    return 0;
}
