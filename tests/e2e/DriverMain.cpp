// glypher_driver STEP: one step of a user's in a running GLYPHER, for scripts
// that start the program where nobody can use it. Exit code 1: a window the
// step needs did not appear; 2: no such step.
//   cancel    presses Cancel in the main dialog
//   about     opens the about box from the main dialog's system menu
//   ok-about  presses OK in the about box
//   reject    types a path that is no icon file into the first field and presses OK
//   ok-box    presses OK in the message box
#include <cstring>

#include "res/resource.h"
#include "tests/e2e/ProgramDriver.h"

namespace {
struct Step {
    const char* name;
    const char* window;  // the caption of the window the step acts on
    void (*act)(HWND window);
    const char* opens;  // the caption of the window it opens, if any
};

const Step kSteps[] = {
    {"cancel", kMainDialogCaption, [](HWND dialog) { PressButton(dialog, IDCANCEL); }, nullptr},
    {"about", kMainDialogCaption, [](HWND dialog) { PostMessageA(dialog, WM_SYSCOMMAND, IDM_ABOUTBOX, 0); },
     kAboutBoxCaption},
    {"ok-about", kAboutBoxCaption, [](HWND about) { PressButton(about, IDOK); }, nullptr},
    {"reject",
     kMainDialogCaption,
     [](HWND dialog) {
         SetControlText(dialog, IDC_MY_COMPUTER, "C:\\icons\\computer.bmp");
         PressButton(dialog, IDOK);
     },
     kMessageBoxCaption},
    {"ok-box", kMessageBoxCaption, [](HWND box) { PressButton(box, IDOK); }, nullptr},
};
}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    for (const Step& step : kSteps) {
        if (std::strcmp(argv[1], step.name) != 0) continue;
        HWND window = WaitForProgramWindow(0, step.window, 10000);
        if (!window) return 1;
        step.act(window);
        return step.opens && !WaitForProgramWindow(0, step.opens, 10000) ? 1 : 0;
    }
    return 2;
}
