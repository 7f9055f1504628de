// The shell's and the system's functions on files that the windows use, in
// one place: the program's own path, starting documents and programs, the
// help viewer, icons of files, error texts. Paths and texts are UTF-8; on
// the NT family they go to the wide ("W") functions as UTF-16, elsewhere to
// the "A" ones in the ANSI code page (see SystemWindows.h).
#pragma once

#include <string>

#include "platform/Win32.h"

// The full path of the running program's file; empty when it can't be had.
std::string ProgramFilePath();
// Whether `path` names a file (not a folder).
bool FileExists(const std::string& path);
// The system's text of error `code` (FormatMessage), without the line end.
std::string SystemErrorText(DWORD code);
// The text with its environment variables (%NAME%) replaced.
std::string ExpandEnvironmentVariables(const std::string& text);

// Whether the process could gain administrator rights by starting anew with
// the "runas" verb: on Vista and later, when its token is not elevated
// (GetTokenInformation TokenElevation). False on earlier systems, which know
// no elevation.
bool ElevationOffered();

// ShellExecute; its answer (above 32 when it started something).
INT_PTR ShellExecuteOf(HWND owner, const char* verb, const std::string& file,
                       const std::string& parameters);
// The program that opens `document` (FindExecutable); empty when none.
std::string FindExecutableOf(const std::string& document);
// The command of `verb` for files of extension `extension` as the shell
// would run it (AssocQueryString, from the shell's light-weight library
// where the system has it); empty when none.
std::string AssociatedCommand(const char* extension, const char* verb);
// The icon at `index` of a file (ExtractIcon); null when the file has none
// (also where ExtractIcon answers 1: no executable, library or icon file).
HICON ExtractIconOf(const std::string& file, int index);
// WinHelp with the help file `file`.
bool WinHelpOf(HWND owner, const std::string& file, UINT command, ULONG_PTR data);
