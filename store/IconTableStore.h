// Moving the whole icon table between the registry and the program, and
// making the shell rebuild its icon cache afterwards.
#pragma once

#include "store/Host.h"
#include "store/IconTable.h"

// Reads the ten slots in load order. Each entry ends as ReadIconLocation
// leaves it: unchanged when the key is missing, "" when the value is.
void LoadIconTable(Host& host, IconTable& table);

// Writes every non-empty entry in apply order (eleven writes: the full Recycle
// Bin's path also becomes the bin's default icon), then refreshes the shell's
// icon cache. A failed write ends the process; the writes before it stay.
void ApplyIconTable(Host& host, const IconTable& table);

// Lowers the shell icon size metric by one and restores it, announcing each
// change, so that the shell rebuilds its icon cache. Without a valid metric
// nothing is written and the change is announced once.
void RefreshShellIconCache(Host& host);
