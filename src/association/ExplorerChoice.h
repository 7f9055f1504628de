// The user's own choice of a program for an extension, which Explorer (from
// Windows XP on) keeps apart from HKEY_CLASSES_ROOT under
// HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Explorer\FileExts\.ext:
// "UserChoice\Progid" (from Windows Vista on), "Progid", or "Application"
// (a program chosen with "Open with"). While one is there, Explorer opens
// the extension with it, whatever the extension's class says.
#pragma once

#include <string>
#include <vector>

class TRegistryWriter;

// Whether the running system keeps such choices: Windows XP and later.
bool KeepsExplorerChoices();

// The extensions (as their keys are spelled) that have a key below FileExts;
// empty when there is none.
std::vector<std::string> ExplorerChoiceKeys();

struct TExplorerChoice {
    // The class or program Explorer uses; empty when there is no choice.
    std::string Target;
    // Where it is kept: "UserChoice\Progid", "Progid" or "Application".
    std::string Source;
};

// The choice in force for `ext`: the first of "UserChoice\Progid",
// "Progid" and "Application" that holds a text. Values of other types are
// passed over.
TExplorerChoice GetExplorerChoice(const std::string& ext);

// Removes the choice: the values "Progid" and "Application" and the subkey
// "UserChoice"; the lists Explorer offers ("OpenWithList",
// "OpenWithProgids") stay. Raises ERegistryException when a part can't be
// removed (Windows 8 protects "UserChoice").
void RemoveExplorerChoice(TRegistryWriter& writer, const std::string& ext);
