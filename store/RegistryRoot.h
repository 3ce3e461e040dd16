// The three predefined registry roots the store addresses. The values are the
// roots' handle values on Windows; the enumerators cannot carry the HKEY_ names,
// which <windows.h> defines as macros.
#pragma once

#include <cstdint>

enum class RegistryRoot : uint32_t {
    ClassesRoot = 0x80000000u,   // HKEY_CLASSES_ROOT
    CurrentUser = 0x80000001u,   // HKEY_CURRENT_USER
    LocalMachine = 0x80000002u,  // HKEY_LOCAL_MACHINE
};
