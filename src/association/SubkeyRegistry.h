// A registry object rooted at the key another one has open, so that the
// subkeys of an extension or class key are reached with short relative paths.
// The ANSI registry functions convert a path in a buffer of MAX_PATH
// characters on some systems (Wine among them), so a path made of a
// 255-character extension and a subkey name would be refused as a whole.
#pragma once

#include "registry/Registry5LE.h"

// `parent` must have a key open and keep it open while the returned object is
// used; the returned object never closes its root.
inline TRegistry RegistryBelow(const TRegistry& parent, REGSAM access) {
    TRegistry reg;
    reg.SetRootKey(parent.CurrentKey());
    reg.SetAccess(access);
    return reg;
}
