// Operating system version: the program's own version code and the names it
// shows. The decoding is kept in pure functions of a version record so that it
// can be tested for every Windows version without running on it; the thin
// wrappers fetch the record with GetVersionExA.
#pragma once

#include <string>

#include "platform/Win32.h"

// Version codes:
//   0 another system (also any version newer than Windows XP)
//   1 Windows 95        2 Windows 95 release B
//   3 Windows 98        4 Windows 98 Second Edition
//   5 Windows ME        6 Windows NT 3.x
//   7 Windows NT 4      8 Windows 2000        9 Windows XP

// Decodes a version record into the version code. When `text` is given it
// receives the version text, e.g. "5.0, Build 2195".
int OSVersionCodeOf(const OSVERSIONINFOA& rec, std::string* text);

// The name of the system for a version record; null means the record could not
// be obtained, which gives "Unknown".
std::string OSNameOf(const OSVERSIONINFOA* rec);

// The version code of the running system; `text` receives the version text
// (empty when the platform gives no version record).
int GetOSVersion(std::string& text);

// The version code of the running system.
int GetOSVersionCode();

// The display name of the running system, e.g. "Windows 2000".
void GetOSName(std::string& name);

// True on Windows 95, 98 and ME; false on the NT family (and when the
// platform gives no version record).
bool IsWindows95Family();

// True on Windows 10 and later (the program's manifest declares that it
// knows Windows 10, so the platform reports its true version).
bool IsWindows10OrLater();

// Structures that grew with later systems, which older ones refuse when
// given the newer size.
//
// The size of OPENFILENAMEA the common dialogs of a system accept: 88 bytes
// (with the places bar's FlagsEx) on the NT family from Windows 2000 on, 76
// (OPENFILENAME_SIZE_VERSION_400) on Windows 95, 98, ME and NT 4, whose
// dialogs otherwise fail as if cancelled.
unsigned OpenFileNameSizeOf(const OSVERSIONINFOA& rec);

// The size of TTTOOLINFOA a tool tip of the common controls of version
// major.minor accepts: 48 bytes from version 6, 44 (with lParam) from 4.70,
// else 40 (TTTOOLINFOA_V1_SIZE, also for an unknown version, 0.0). A tool
// given a larger size than its version knows is refused.
unsigned ToolInfoSizeOf(unsigned major, unsigned minor);
