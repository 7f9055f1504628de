// corvix.exe with arguments: a console tool on the command layer. It writes
// to the writers it is given (the standard handles), never to a window, and
// ends with one of the exit codes below.
#pragma once

#include "support/TextWriter.h"

#include <string>
#include <vector>

enum TExitCode : int {
    ecDone = 0,
    ecProblemsFound = 1,
    ecUsage = 2,
    ecRefused = 3,
    ecConfirmationNeeded = 4,
    ecFailed = 5,
};

// Whether the arguments start the window at an item rather than run a
// command: "corvix.exe .ext", "corvix.exe FILE" (as a shortcut or Explorer's
// "Send to" passes a file: its extension, none when it has no valid one) and
// "corvix.exe --select NAME" (an extension or a class). `item` receives it.
bool WindowStartItem(const std::vector<std::string>& args, std::string& item);

// The usage text ("corvix.exe /?").
std::string CommandLineUsage();

// Runs the command line `args` (the arguments after the program's name) with
// the settings file at `settingsPath` (the undo journal beside it). Output
// goes to `out`, questions, warnings and errors to `err`.
int RunCommandLine(const std::vector<std::string>& args, const std::string& settingsPath,
                   TTextWriter& out, TTextWriter& err);
