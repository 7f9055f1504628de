// A registry object rooted at the key another one has open, so that the
// subkeys of an extension or class key are reached with short relative paths.
// The ANSI registry functions convert a path in a buffer of MAX_PATH
// characters on some systems (Wine among them), so a path made of a
// 255-character extension and a subkey name would be refused as a whole.
#pragma once

#include "registry/Registry5LE.h"

#include <string>

// `parent` must have a key open and keep it open while the returned object is
// used; the returned object never closes its root.
inline TRegistry RegistryBelow(const TRegistry& parent, REGSAM access) {
    TRegistry reg;
    reg.SetRootKey(parent.CurrentKey());
    reg.SetAccess(access);
    return reg;
}

// Writes `text` as the value `name` of the key `reg` has open, keeping the
// type the value has: a REG_EXPAND_SZ stays expandable, a REG_SZ stays plain;
// a value that is missing or of another type becomes REG_EXPAND_SZ when
// `expandWhenNew`, else REG_SZ.
void WriteTextKeepingType(TRegistry& reg, const std::string& name, const std::string& text,
                          bool expandWhenNew = false);

// Makes the default value of the subkey `name` of the key `parent` has open
// `text` (with WriteTextKeepingType), creating the subkey; an empty text
// deletes the subkey (with its own subkeys) instead. A subkey that can't be
// created or deleted raises ERegistryException: the caller must not take the
// refused change for done.
void WriteSubkeyDefault(const TRegistry& parent, const std::string& name, const std::string& text);
