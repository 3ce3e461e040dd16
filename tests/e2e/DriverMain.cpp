// glypher_driver cancel: presses Cancel in a running GLYPHER's main dialog,
// for scripts that start the program where nobody can use it.
#include <cstring>

#include "tests/e2e/ProgramDriver.h"

int main(int argc, char** argv) {
    if (argc != 2 || std::strcmp(argv[1], "cancel") != 0) return 2;
    for (int attempt = 0; attempt < 200; ++attempt) {
        if (HWND dialog = FindProgramWindow(0, kMainDialogCaption)) {
            PressButton(dialog, IDCANCEL);
            return 0;
        }
        Sleep(50);
    }
    return 1;
}
