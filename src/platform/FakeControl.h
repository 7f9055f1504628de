// Test controls of the native stand-in: reset the in-memory registry, set the
// version record GetVersionExA reports, make the next call of a kind fail,
// count the registry calls, and read back the recorded icon extractions.
#pragma once

#include "platform/FakeWin32.h"

#include <string>
#include <vector>

namespace fake {

// Empties the whole in-memory registry (every root) and clears faults,
// counters and recorded icon extractions. Open handles become invalid. The
// platform settings below return to their defaults as well (Windows 2000, no
// Far East system, the real executable path), so no test inherits another's.
void ResetRegistry();

// Makes HKEY_LOCAL_MACHINE\Software\Classes refuse every write (opening a
// key of it for writing, creating, deleting, setting a value) with
// ERROR_ACCESS_DENIED, as it does for a user without administrator rights;
// reads go on. Off after ResetRegistry.
void RefuseMachineClasses(bool on);

// Enum is RegEnumKeyEx, EnumValue RegEnumValue; a fault applies to the ANSI
// and the wide function of its kind alike.
enum class Fault {
    Open,
    Create,
    SetValue,
    DeleteKey,
    DeleteValue,
    QueryValue,
    Enum,
    QueryInfo,
    EnumValue
};
// The next call of that kind fails with `error` (once), before it does
// anything; calling it twice for a kind fails the next two calls.
void FailNext(Fault kind, LONG error = ERROR_ACCESS_DENIED);

// Number of Reg* calls made since the last reset (every function, A or W,
// counts one).
long RegistryCallCount();

// The version record GetVersionExA reports; `ok` false makes GetVersionExA fail.
void SetVersion(DWORD platformId, DWORD major, DWORD minor, DWORD build, const char* csd,
                bool ok = true);
// Shorthand for the systems the program knows: "win95", "win98", "winme",
// "nt40", "win2k", "winxp", "win2003", "win7", with the records Wine reports
// for them (std::invalid_argument for another name). A 95/98/ME record also
// gives the registry that family's rules: no access rights, RegDeleteKey
// deletes whole trees.
void SetVersion(const std::string& wineName);
// Whether the system is a Far East one: GetSystemMetrics(SM_DBCSENABLED)
// reports it, GetCPInfo gives a double-byte ANSI code page and IsDBCSLeadByte
// knows its lead bytes (those of code page 932), and the registry's ANSI
// functions read key names in that code page (a "\" that ends a two-byte
// character separates no keys).
void SetDbcsEnabled(bool on);

struct IconRequest {
    std::string file;
    UINT index;
};
// The nth move of a file from now on (MoveFileA or MoveFileExA; 1 is the
// next) fails with `error` before it does anything. Several may be set.
void FailMove(int nth, DWORD error = ERROR_ACCESS_DENIED);
// Moves of files made since the last reset, failed ones included.
int MoveCount();

// Files of the pretended Windows: a path with a drive letter ("C:\\x.exe")
// exists for GetFileAttributesA only when added here (names compare without
// regard to case); other paths are looked up on the host.
void AddFile(const std::string& windowsPath);
// Sets an environment variable for GetEnvironmentVariableA and
// ExpandEnvironmentStringsA only, ahead of the process's own.
void SetEnvironment(const std::string& name, const std::string& value);

// Every ExtractIconA call since the last reset.
const std::vector<IconRequest>& IconRequests();
// The executable path GetModuleFileNameA reports (default, and for
// "/proc/self/exe", the real path of the running executable).
void SetModuleFileName(const std::string& path);

} // namespace fake
