// The registry object every operation of the association layer starts with:
// a fresh TRegistry on HKEY_CLASSES_ROOT with the access the operation needs
// (KEY_READ: reads and existence tests; writes go through TRegistryWriter). It lives
// for the one operation and closes its key on every path.
#pragma once

#include "registry/Registry5LE.h"

inline TRegistry ClassesRootRegistry(REGSAM access) {
    TRegistry reg;
    reg.SetRootKey(HKEY_CLASSES_ROOT);
    reg.SetAccess(access);
    return reg;
}
