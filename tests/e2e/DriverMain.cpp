// glypher_driver cancel: presses Cancel in a running GLYPHER's main dialog,
// for scripts that start the program where nobody can use it. Exit code 1:
// no dialog appeared.
#include <cstring>

#include "tests/e2e/ProgramDriver.h"

int main(int argc, char** argv) {
    if (argc != 2 || std::strcmp(argv[1], "cancel") != 0) return 2;
    HWND dialog = WaitForProgramWindow(0, kMainDialogCaption, 10000);
    if (!dialog) return 1;
    PressButton(dialog, IDCANCEL);
    return 0;
}
