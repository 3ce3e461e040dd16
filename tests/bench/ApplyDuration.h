// How long GLYPHER.EXE takes to apply valid input.
#pragma once

#include <string>

// Milliseconds from pressing OK in the main dialog of `exe`, with a valid
// path typed into every field, until the process has ended. With
// `hungWindow`, a top-level window of this process stops answering messages
// just before OK is pressed. Negative when the program did not end with exit
// code 0 in time (a message box, say).
double TimeApply(const std::string& exe, bool hungWindow);
