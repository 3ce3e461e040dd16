// glypher_driver STEP [PATH]: one step of a user's in a running GLYPHER, for
// scripts that start the program where nobody can use it. Exit code 1: a
// window the step needs did not appear; 2: no such step.
//   cancel    presses Cancel in the main dialog
//   ok PATH   puts PATH into every field of the main dialog and presses OK
//   about     opens the about box from the main dialog's system menu
//   ok-about  presses OK in the about box
//   reject    types a path that is no icon file into the first field and presses OK
//   ok-box    presses OK in the message box
#include <cstring>

#include "res/resource.h"
#include "store/IconSlot.h"
#include "tests/e2e/ProgramDriver.h"

namespace {
struct Step {
    const char* name;
    bool takesPath;
    const char* window;  // the caption of the window the step acts on
    void (*act)(HWND window, const char* path);
    const char* opens;  // the caption of the window it opens, if any
};

const Step kSteps[] = {
    {"cancel", false, kMainDialogCaption, [](HWND dialog, const char*) { PressButton(dialog, IDCANCEL); }, nullptr},
    {"ok",
     true,
     kMainDialogCaption,
     [](HWND dialog, const char* path) {
         for (const IconSlotDef& def : kIconSlots) SetControlText(dialog, def.editId, path);
         PressButton(dialog, IDOK);
     },
     nullptr},
    {"about", false, kMainDialogCaption,
     [](HWND dialog, const char*) { PostMessageA(dialog, WM_SYSCOMMAND, IDM_ABOUTBOX, 0); }, kAboutBoxCaption},
    {"ok-about", false, kAboutBoxCaption, [](HWND about, const char*) { PressButton(about, IDOK); }, nullptr},
    {"reject",
     false,
     kMainDialogCaption,
     [](HWND dialog, const char*) {
         SetControlText(dialog, IDC_MY_COMPUTER, "C:\\icons\\computer.bmp");
         PressButton(dialog, IDOK);
     },
     kMessageBoxCaption},
    {"ok-box", false, kMessageBoxCaption, [](HWND box, const char*) { PressButton(box, IDOK); }, nullptr},
};
}  // namespace

int main(int argc, char** argv) {
    for (const Step& step : kSteps) {
        if (argc != (step.takesPath ? 3 : 2) || std::strcmp(argv[1], step.name) != 0) continue;
        HWND window = WaitForProgramWindow(0, step.window, 10000);
        if (!window) return 1;
        step.act(window, step.takesPath ? argv[2] : nullptr);
        return step.opens && !WaitForProgramWindow(0, step.opens, 10000) ? 1 : 0;
    }
    return 2;
}
