#include "tests/bench/ApplyDuration.h"

#include <memory>

#include "store/IconSlot.h"
#include "tests/bench/Timing.h"
#include "tests/e2e/ProgramDriver.h"
#include "tests/win32/HungWindow.h"

double TimeApply(const std::string& exe, bool hungWindow) {
    ProgramDriver program(exe);
    HWND dialog = program.WaitForWindow(kMainDialogCaption);
    if (!dialog) return -1;
    for (const IconSlotDef& def : kIconSlots) {
        SetControlText(dialog, def.editId, "C:\\bench\\" + std::to_string(def.slot) + ".ico");
    }
    // Hung from just before OK: the broadcast cannot yet tell it from a slow window.
    std::unique_ptr<HungWindow> hung;
    if (hungWindow) hung = std::make_unique<HungWindow>();

    Stopwatch watch;
    PressButton(dialog, IDOK);
    DWORD exitCode = program.WaitForExit(60000);
    double elapsed = watch.ElapsedMs();
    return exitCode == 0 ? elapsed : -1;
}
