// The whole run of GLYPHER between start-up and exit, free of any window
// system: stamp the version, load the icon table, let the user edit it until
// the input is valid or abandoned, and apply valid input once.
#pragma once

#include "platform/CString.h"
#include "store/Host.h"
#include "store/IconTable.h"

// The result of a modal showing that the user confirmed (IDOK).
constexpr int kModalOk = 1;
// The result of a confirmed showing in which a field held text that the
// program's code page cannot represent, so that field could not be read.
constexpr int kModalTextNotHeld = 0x100;

// The main dialog as the edit cycle sees it.
class IconEditor {
public:
    // The path the dialog shows for `slot`, set before a showing and read after OK.
    virtual CString& EditedPath(IconSlot slot) = 0;
    // Shows the dialog until the user closes it: kModalOk after OK,
    // kModalTextNotHeld after OK on text that cannot be held, anything else
    // after Cancel or when the dialog cannot be shown.
    virtual int RunModal() = 0;

protected:
    ~IconEditor() = default;
};

// Runs the program from the version stamp to its end. Every showing starts
// from the values loaded at start; invalid input, or text that cannot be held,
// shows the invalid-data message and the dialog again; Cancel ends the run
// without writing.
void RunEditCycle(Host& host, IconTable& table, IconEditor& editor);
