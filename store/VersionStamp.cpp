#include "store/VersionStamp.h"

#include "res/version.h"

void StampVersion(Host& host) {
    static const char kVersion[] = GLYPHER_VERSION_TEXT;
    RegistryKey key;
    if (host.CreateKey(RegistryRoot::LocalMachine, "SOFTWARE\\KESTRAWN\\GLYPHER", &key) != 0) return;
    // Unlike an icon location, the stamp is not worth stopping the program for.
    host.SetStringValue(key, "CurrentVersion", kVersion, sizeof kVersion - 1);
    host.CloseKey(key);
}
