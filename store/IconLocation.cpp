#include "store/IconLocation.h"

#include <cstdlib>
#include <cstring>

#include "platform/DecimalText.h"
#include "res/resource.h"

void ReadIconLocation(Host& host, RegistryRoot root, const char* subKey, CString& path,
                      const char* valueName) {
    RegistryKey key;
    if (host.OpenKey(root, subKey, &key) != 0) return;

    char data[kRegistryTextCapacity];
    uint32_t size = sizeof data;
    if (host.QueryValue(key, valueName, data, &size) != 0) {
        path = "";
    } else {
        // The data need not end in a NUL (another type, or a text stored
        // without one): never read past what the query returned.
        if (size > sizeof data) size = sizeof data;
        const void* nul = std::memchr(data, '\0', size);
        int length = nul ? static_cast<int>(static_cast<const char*>(nul) - data) : static_cast<int>(size);
        path = CString(data, length).SpanExcluding(",");
    }
    host.CloseKey(key);
}

void WriteIconLocation(Host& host, RegistryRoot root, const char* subKey, CString path,
                       const char* valueName) {
    if (path.IsEmpty()) return;
    path += ",0";
    WriteRegistryText(host, root, subKey, path, valueName);
}

void WriteRegistryText(Host& host, RegistryRoot root, const char* subKey, const CString& text,
                       const char* valueName) {
    RegistryKey key;
    int32_t result = host.CreateKey(root, subKey, &key);
    if (result != 0) FailRegistryWrite(host, IDS_REGISTRY_FAILED, result);

    // The byte count excludes the terminating NUL.
    result = host.SetStringValue(key, valueName, text, static_cast<uint32_t>(text.GetLength()));
    // The key stays open: the process ends inside the report.
    if (result != 0) FailRegistryWrite(host, IDS_REGISTRY_FAILED, result);
    host.CloseKey(key);
}

void FailRegistryWrite(Host& host, unsigned stringId, int32_t errorCode) {
    char code[kDecimalTextSize];
    host.ShowMessage(stringId, FormatDecimal(errorCode, code));
    host.ExitProcess(1);
    std::abort();  // calls through a vtable do not carry [[noreturn]]; never reached
}
