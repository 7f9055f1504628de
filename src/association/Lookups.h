// The lookups a scan of HKEY_CLASSES_ROOT needs: existence tests, the list of
// all extensions, the class of an extension and the description of a class.
// A lookup that finds nothing (or is given an invalid name) answers empty or
// false; the only error that passes is ERegistryException for a value that
// holds no text.
#pragma once

#include "registry/ClassesStore.h"
#include "registry/Registry5LE.h"

#include <string>
#include <unordered_set>

class TStringList;

// A valid extension whose key exists. Never raises.
bool ExtensionExists(const std::string& ext);

// A valid class name whose key exists. Never raises.
bool FileClassExists(const std::string& className);

// Replaces the list's contents with every extension key below
// HKEY_CLASSES_ROOT, sorted with the list's sort (case-insensitive, in the
// platform's text order). Empty when the root can't be opened. The list's
// update bracket is held for the call and ended on every path.
void GetExtensions(TStringList& list);

// The extension keys as GetExtensions lists them, and with two stores (see
// registry/ClassesStore.h) the folded names (FoldedKeyName) of the keys the
// user's store holds, so that each extension is read from its own store.
// Each store is enumerated once.
void GetExtensions(TStringList& list, std::unordered_set<std::string>& userKeys);

// The file class an extension is linked to: its key's default value; empty
// for an invalid name, a missing key or a missing default value.
std::string GetExtensionClass(const std::string& ext);
// The same read from the store given (no request to find the store).
std::string GetExtensionClassIn(TClassesStore store, const std::string& ext);

// The description of a class: on Windows 2000 and XP its "FriendlyTypeName"
// when present, otherwise its key's default value; empty for an invalid name
// or a missing key. Returned as stored.
std::string GetClassDescription(const std::string& className);
// The same of the class key `reg` has open (for a valid name).
std::string DescriptionOfOpenClass(TRegistry& reg);
