#include "app/EditCycle.h"

#include "app/IconPathCheck.h"
#include "res/resource.h"
#include "store/IconTableStore.h"
#include "store/VersionStamp.h"

namespace {
bool AllPathsValid(IconEditor& editor) {
    for (IconSlot slot : kCheckOrder) {
        if (CheckIconFilePath(editor.EditedPath(slot)) != 0) return false;
    }
    return true;
}
}  // namespace

void RunEditCycle(Host& host, IconTable& table, IconEditor& editor) {
    StampVersion(host);
    LoadIconTable(host, table);

    for (;;) {
        for (IconSlot slot : kCheckOrder) editor.EditedPath(slot) = table[slot];
        int result = editor.RunModal();
        if (result != kModalOk && result != kModalTextNotHeld) return;
        if (result == kModalOk && AllPathsValid(editor)) break;
        host.ShowMessage(IDS_INVALID_DATA, nullptr);
    }

    for (IconSlot slot : kCheckOrder) table[slot] = editor.EditedPath(slot);
    ApplyIconTable(host, table);
}
