// Which parts of the association records the running Windows version keeps.
// Asked afresh at every call (the version code is cheap to get), so tests
// that change the reported version see the change at once.
#pragma once

#include "support/ZQRoutines.h"

// Windows 2000 and XP (version codes 8 and 9) write a class's description
// also as "FriendlyTypeName".
inline bool KeepsFriendlyTypeName() {
    int code = GetOSVersionCode();
    return code == 8 || code == 9;
}

// Windows XP (version code 9) alone keeps "PerceivedType" and
// "OpenWithProgIDs" on extension keys.
inline bool KeepsXPExtensionEntries() {
    return GetOSVersionCode() == 9;
}
