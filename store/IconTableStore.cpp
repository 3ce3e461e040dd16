#include "store/IconTableStore.h"

#include "platform/DecimalText.h"
#include "store/IconLocation.h"

namespace {
const char kWindowMetricsKey[] = "Control Panel\\desktop\\windowmetrics";
const char kShellIconSizeValue[] = "Shell Icon Size";

// The metric is a plain number: it gets no icon index appended.
void WriteShellIconSize(Host& host, int32_t size) {
    char text[kDecimalTextSize];
    WriteRegistryText(host, RegistryRoot::CurrentUser, kWindowMetricsKey, FormatDecimal(size, text),
                      kShellIconSizeValue);
}
}  // namespace

void LoadIconTable(Host& host, IconTable& table) {
    for (IconSlot slot : kLoadOrder) {
        const IconSlotDef& def = kIconSlots[slot];
        ReadIconLocation(host, def.root, def.subKey, table[slot], def.valueName);
    }
}

void ApplyIconTable(Host& host, const IconTable& table) {
    for (IconSlot slot : kLoadOrder) {
        const IconSlotDef& def = kIconSlots[slot];
        // The bin's default value is the icon it shows now; "full" and "empty"
        // are only copied into it when the bin changes state.
        if (slot == RecycleBinFull) WriteIconLocation(host, def.root, kRecycleBinIconKey, table[slot], "");
        WriteIconLocation(host, def.root, def.subKey, table[slot], def.valueName);
    }
    RefreshShellIconCache(host);
}

void RefreshShellIconCache(Host& host) {
    CString metric;
    ReadIconLocation(host, RegistryRoot::CurrentUser, kWindowMetricsKey, metric, kShellIconSizeValue);

    int32_t size;
    if (!ParseDecimalPrefix(metric, &size) || size < 1) {
        // No size to toggle: never create or corrupt the metric, but still
        // announce the new icons.
        host.BroadcastSettingChange();
        return;
    }
    WriteShellIconSize(host, size - 1);
    host.BroadcastSettingChange();
    WriteShellIconSize(host, size);
    host.BroadcastSettingChange();
}
