// The per-user switch that hides the extensions of known file types
// everywhere: the value "HideFileExt" of the user's Explorer settings key,
// HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Explorer\Advanced.
#pragma once

#include <string>

class TRegistryWriter;

// True when the user has extensions of known types hidden (1), false when
// they are shown (0). Strict about every way the setting can be absent or
// malformed:
// - the key missing, or not openable with full access: EExistensError;
// - the value missing: EValExistensError (a kind of EExistensError);
// - the value not a REG_DWORD: ERegistryException "Ungültiger Datentyp für
//   'HideFileExt'" (or "Konnte Daten für 'HideFileExt' nicht holen" for data
//   longer than 4 bytes);
// - a number other than 0 or 1: EValueError.
// Nothing is changed in the registry.
bool GetHideFileExt();

// GetHideFileExt, with `fallback` for a setting that is missing or malformed
// (a fresh user profile has no Explorer settings key at all).
bool ReadHideFileExt(bool fallback);

// Writes "HideFileExt" as a REG_DWORD (1 hidden, 0 shown), creating the
// Explorer settings key when it is missing. Raises ERegistryException when
// the key can't be created or the value can't be written; nothing else in
// the key is touched. The value's state before is recorded in the open undo
// journal entry first (through the writer; EJournalError when it can't
// be), so that undoing the change leaves the key's other values alone.
void SetHideFileExt(TRegistryWriter& writer, bool hidden);

// Whether a change to the key `path` (full name, "HKEY_CURRENT_USER\...")
// changes the shell's own state rather than file associations: the Explorer
// settings key or a key above it.
bool IsShellStateKey(const std::string& path);
