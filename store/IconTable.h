// The ten icon paths, one per IconSlot, as the user sees and edits them
// (without the ",0" the registry values carry). A new table is all "".
#pragma once

#include "platform/CString.h"
#include "store/IconSlot.h"

struct IconTable {
    CString& operator[](IconSlot slot) { return paths[slot]; }
    const CString& operator[](IconSlot slot) const { return paths[slot]; }

    CString paths[kIconSlotCount];
};
