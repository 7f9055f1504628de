// The system's dialogs for files: the common dialogs that choose a file to
// open or a name to save under, and the shell's change-icon dialog. Names
// are UTF-8; the NT family's dialogs get them as UTF-16, the others' in the
// ANSI code page.
//
// TZQShChangeIconDialog: the shell's change-icon dialog, in which the user
// picks an icon file and one of its icons. The shell exports the dialog only
// by number (ordinal 62 of shell32.dll), taking text of the ANSI code page on
// the Windows 95 family and wide text on the NT family; the unit binds the
// fitting entry once, when the program starts.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "platform/Win32.h"

// The shell's icon picker: owner window, a buffer holding the icon file
// (start value in, choice out), the buffer's capacity in characters, and the
// icon index (in and out). It answers 1 when the user confirmed.
using TPickIconDlgA = int(WINAPI*)(HWND owner, LPSTR fileName, UINT capacity, int* iconIndex);
using TPickIconDlgW = int(WINAPI*)(HWND owner, LPWSTR fileName, UINT capacity, int* iconIndex);

// The bound entries; at most one is set.
struct TPickIconEntries {
    TPickIconDlgA ansi = nullptr;
    TPickIconDlgW wide = nullptr;
};

// The entries bound at start-up.
TPickIconEntries PickIconEntries();
// Replaces the bound entries (tests put a picker of their own there) and
// returns the ones before.
TPickIconEntries SetPickIconEntries(TPickIconEntries entries);

// The longest icon file name the shell's buffer takes (260 characters and a
// terminating zero).
constexpr int MaxIconFileName = 260;

// What the common file dialogs show.
struct TFileDialogArgs {
    HWND owner = nullptr;
    std::string title;
    // The filters: a description and its patterns ("*.exe;*.com") each.
    std::vector<std::pair<std::string, std::string>> filters;
    // Added to a name given without extension (without the dot); empty: none.
    std::string defaultExtension;
    DWORD flags = 0; // OFN_...
};

// The common dialog to open a file (GetOpenFileName) or save one
// (GetSaveFileName): `path` holds the name the dialog starts with and, when
// the user confirmed (true), the chosen path.
bool AskOpenFileName(const TFileDialogArgs& args, std::string& path);
bool AskSaveFileName(const TFileDialogArgs& args, std::string& path);

class TZQShChangeIconDialog {
public:
    // The window that owns the shell's dialog: the application's main
    // window, which owns the program's forms (set by the form that owns the
    // component).
    HWND Owner = nullptr;
    // The icon index: start value, and after a confirmed dialog the choice.
    int IconIndex = 0;
    // The icon file: start value, and after a confirmed dialog the choice.
    std::string FileName;

    // Shows the shell's dialog, owned by Owner, with
    // FileName and IconIndex as start values; true when the user confirmed,
    // and then both hold the choice. A cancelled dialog leaves FileName as it
    // was. Raises ZQException "This function is not supported by your version
    // of Windows." when the shell has no such dialog, and ZQException for a
    // FileName longer than MaxIconFileName characters (before any dialog
    // opens: the shell's buffer can't hold it).
    bool Execute();
};
