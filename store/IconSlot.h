// The ten shell icons GLYPHER edits: where each lives in the registry, which
// field of the main dialog shows it, and the fixed orders the program visits them in.
#pragma once

#include "store/RegistryRoot.h"

// Declared order: the layout of IconTable and of the dialog's paths.
enum IconSlot {
    RecycleBinEmpty,
    RecycleBinFull,
    HardDisk,
    MyComputer,
    NetworkNeighborhood,
    CdRomDrive,
    Floppy35,
    Folder,
    FolderOpen,
    NetworkDrive,
};

constexpr int kIconSlotCount = 10;

struct IconSlotDef {
    IconSlot slot;
    const char* label;      // the dialog's label for the slot, code page 932
    int editId;             // the slot's edit control in the main dialog
    RegistryRoot root;
    const char* subKey;
    const char* valueName;  // "" is the key's default value
};

// Indexed by IconSlot.
extern const IconSlotDef kIconSlots[kIconSlotCount];

// The Recycle Bin's key, shared by RecycleBinFull and RecycleBinEmpty; its
// default value is written on apply but belongs to no slot.
extern const char kRecycleBinIconKey[];

// The order of reading the slots from the registry, and of writing them back
// (with the Recycle Bin's default value written just before its "full" value).
extern const IconSlot kLoadOrder[kIconSlotCount];
// The order the edit cycle checks and copies the slots in.
extern const IconSlot kCheckOrder[kIconSlotCount];
// The rows of the main dialog, top to bottom.
extern const IconSlot kScreenOrder[kIconSlotCount];
