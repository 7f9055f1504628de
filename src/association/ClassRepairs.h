// The writes that mend a class's record where the check found it broken:
// an action's command line rewritten, a "CurVer" that names nothing removed.
#pragma once

#include <string>

class TRegistryWriter;

// Writes `command` as the command line of the class's action `verb`
// (shell\verb\command), keeping the value's type: an expandable string
// stays one. Raises ERegistryException when the action's command key is
// missing or the value can't be written; nothing is created.
void RewriteActionCommand(TRegistryWriter& writer, const std::string& className,
                          const std::string& verb, const std::string& command);

// Deletes the class's "CurVer" subkey; a missing one is no error. Raises
// ERegistryException when it can't be deleted.
void DeleteCurVer(TRegistryWriter& writer, const std::string& className);

// Deletes the key `key` below HKEY_CLASSES_ROOT (such as
// "Applications\<program>") with its subkeys; a missing one is no error.
// Raises ERegistryException when it can't be deleted.
void DeleteClassesKey(TRegistryWriter& writer, const std::string& key);
