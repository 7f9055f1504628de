// Files, folders and the environment through the system, by UTF-8 names: on
// the NT family the wide functions, so that a path beyond the ANSI code page
// (a folder named "文書" on a Western system) is reached as it is; on the 95
// family the ANSI ones. The only callers of the system's file functions.
#pragma once

#include "platform/Win32.h"

#include <string>
#include <vector>

#ifdef _WIN32
// CreateFile of `path`; INVALID_HANDLE_VALUE with the last error on failure.
HANDLE OpenSystemFile(const std::string& path, DWORD access, DWORD share, DWORD creation,
                      DWORD flags);
// MoveFile (never replaces), MoveFileEx and DeleteFile; false with the last error.
#endif
bool MoveSystemFile(const std::string& from, const std::string& to);
bool MoveSystemFileEx(const std::string& from, const std::string& to, DWORD flags);
bool DeleteSystemFile(const std::string& path);
// GetFileAttributes: INVALID_FILE_ATTRIBUTES when there is nothing.
DWORD SystemFileAttributes(const std::string& path);
#ifdef _WIN32
// The program's arguments, without its name: on the NT family split from the
// wide command line (CommandLineToArgvW, the C runtime's rules), so that an
// argument beyond the ANSI code page arrives as typed; on the 95 family the C
// runtime's ANSI ones.
std::vector<std::string> ProgramArguments();
// A new empty file in `folder` named by GetTempFileName with `prefix`;
// empty when none could be made.
std::string NewTempFile(const std::string& folder, const char* prefix);
#endif

// The machine's name (GetComputerName); the native stand-in answers
// "STAND-IN".
std::string MachineName();

// The full path of a loaded module (null: the program itself).
std::string ModuleFilePath(HMODULE module = nullptr);

// The text with every %NAME% replaced as ExpandEnvironmentStrings does;
// the text itself when it can't be expanded.
std::string ExpandEnvironmentText(const std::string& text);
// An environment variable; false when it isn't set.
bool EnvironmentText(const std::string& name, std::string& value);

// The icon of a file by ExtractIcon (shell32): null for none, 1 for a file
// that is no executable, library or icon file.
HICON ExtractFileIcon(const std::string& file, UINT index);

// The system's folders (GetSystemDirectory, GetWindowsDirectory), without a
// trailing separator but for a root.
std::string SystemFolder();
std::string WindowsFolder();
