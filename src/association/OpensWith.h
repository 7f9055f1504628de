// What a double-click on a file of an extension opens, and what "Open with"
// offers, as Windows decides it from Windows XP on: Explorer's per-user
// layer under HKEY_CURRENT_USER\...\Explorer\FileExts\.ext comes first (the
// user's choice, "UserChoice\ProgId", then XP's "Progid" and "Application"),
// then the extension's class in HKEY_CLASSES_ROOT with its default action.
// From Windows 8 on Windows honours a "UserChoice" only with a valid "Hash";
// the hash is neither computed nor checked here, only whether one is there.
#pragma once

#include <string>
#include <vector>

class TRegistryWriter;

// One entry of what "Open with" offers.
struct TOpenWithEntry {
    // A class, or a program's file name ("notepad.exe").
    std::string Name;
    // Where it is listed: ".ext\OpenWithProgids" (the extension's own),
    // "user's OpenWithProgids" or "user's OpenWithList".
    std::string Source;
    // The class has no key, or the program no "Applications\<name>" key.
    bool Missing = false;
};

struct TOpensWith {
    // The class (or "Applications\<program>") a double-click opens with;
    // empty when nothing is named.
    std::string Target;
    // Why: "chosen in Windows (UserChoice, with a hash)", "chosen in Windows
    // (UserChoice, without a hash)", "chosen in Windows XP (Progid)",
    // "chosen with Open with (Application)" or "the extension's class".
    std::string Reason;
    // The command of the target's default action; empty when it has none.
    std::string Command;
    std::vector<TOpenWithEntry> OpenWith;
    // The extension's "PerceivedType" ("text", "image", ...); empty when none.
    std::string PerceivedType;
};

// Reads it all afresh for a valid extension; the user's layer only on
// systems that keep it (KeepsExplorerChoices).
TOpensWith GetOpensWith(const std::string& ext);

// What "Open with" offers for `ext`: the extension's own OpenWithProgids,
// then, with `userLists` (and only on systems that keep them), the user's
// OpenWithProgids and OpenWithList.
std::vector<TOpenWithEntry> GetOpenWithList(const std::string& ext, bool userLists);

// Adds `className` to the extension's own list, ".ext\OpenWithProgids" (a
// value named like the class, as Windows keeps them). Raises
// ERegistryException when the key can't be written.
void AddOpenWithClass(TRegistryWriter& writer, const std::string& ext,
                      const std::string& className);

// Takes `name` out of every list that offers it for `ext`: the extension's
// and the user's OpenWithProgids (a value or a subkey of that name) and the
// user's OpenWithList (the values naming the program, and their letters in
// "MRUList"). False when no list named it; raises ERegistryException when a
// part can't be removed.
bool RemoveOpenWithEntry(TRegistryWriter& writer, const std::string& ext, const std::string& name);
