// How long a program takes from CreateProcess to its main dialog, and from
// Cancel in that dialog to its end.
#pragma once

#include <string>

struct StartAndClose {
    // From starting the program until its dialog captioned as GLYPHER's main
    // dialog is visible and has finished opening.
    double startMs;
    // From pressing Cancel in that dialog until the process has ended.
    double closeMs;
};

// Starts `exe`, waits for its main dialog, cancels it and waits for the end.
// Both times are negative when no dialog appeared or the program did not end
// with exit code 0.
StartAndClose TimeStartAndClose(const std::string& exe);
