// A string of the program's string table (res/corvix.rc), for the units that
// run only on Windows. Empty when the program carries no such string.
#pragma once

#include <string>

#include "platform/Win32.h"

inline std::string LoadResString(UINT id) {
    char buffer[1024] = "";
    const int length = LoadStringA(GetModuleHandleA(nullptr), id, buffer, sizeof buffer);
    return std::string(buffer, length > 0 ? static_cast<size_t>(length) : 0);
}
