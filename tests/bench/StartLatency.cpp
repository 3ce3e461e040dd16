#include "tests/bench/StartLatency.h"

#include "tests/bench/Timing.h"
#include "tests/e2e/ProgramDriver.h"

StartAndClose TimeStartAndClose(const std::string& exe) {
    const StartAndClose failed = {-1, -1};
    Stopwatch start;
    ProgramDriver program(exe);
    HWND dialog = program.WaitForWindow(kMainDialogCaption);
    double startMs = start.ElapsedMs();
    if (!dialog) return failed;

    Stopwatch close;
    PressButton(dialog, IDCANCEL);
    if (program.WaitForExit() != 0) return failed;
    return {startMs, close.ElapsedMs()};
}
