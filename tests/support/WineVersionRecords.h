// The version records Wine reports when it pretends each Windows version
// (read off Wine 8). The Wine tests check Wine against this table and the
// native tests check the stand-in against it, so the two cannot drift apart.
#pragma once

#include "platform/Win32.h"

struct TWineVersionRecord {
    const char* winver;
    DWORD platform, major, minor, build;
    const char* csd;
};

inline const TWineVersionRecord kWineVersionRecords[] = {
    {"win95", VER_PLATFORM_WIN32_WINDOWS, 4, 0, 0x040003B6, ""},
    {"win98", VER_PLATFORM_WIN32_WINDOWS, 4, 10, 0x040A08AE, " A "},
    {"winme", VER_PLATFORM_WIN32_WINDOWS, 4, 90, 0x045A0BB8, " "},
    {"nt40", VER_PLATFORM_WIN32_NT, 4, 0, 1381, "Service Pack 6a"},
    {"win2k", VER_PLATFORM_WIN32_NT, 5, 0, 2195, "Service Pack 4"},
    {"winxp", VER_PLATFORM_WIN32_NT, 5, 1, 2600, "Service Pack 3"},
    {"win2003", VER_PLATFORM_WIN32_NT, 5, 2, 3790, "Service Pack 2"},
    {"win7", VER_PLATFORM_WIN32_NT, 6, 1, 7601, "Service Pack 1"},
};
