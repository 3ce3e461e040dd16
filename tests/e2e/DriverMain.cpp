// glypher_driver cancel | ok PATH: in a running GLYPHER's main dialog, presses
// Cancel, or puts PATH into every field and presses OK; for scripts that start
// the program where nobody can use it. Exit code 1: no dialog appeared.
#include <cstring>

#include "store/IconSlot.h"
#include "tests/e2e/ProgramDriver.h"

int main(int argc, char** argv) {
    const bool cancel = argc == 2 && std::strcmp(argv[1], "cancel") == 0;
    const bool ok = argc == 3 && std::strcmp(argv[1], "ok") == 0;
    if (!cancel && !ok) return 2;
    HWND dialog = WaitForProgramWindow(0, kMainDialogCaption, 10000);
    if (!dialog) return 1;
    if (ok) {
        for (const IconSlotDef& def : kIconSlots) SetControlText(dialog, def.editId, argv[2]);
    }
    PressButton(dialog, ok ? IDOK : IDCANCEL);
    return 0;
}
