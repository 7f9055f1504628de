// A string of the program's string table (res/corvix.rc), for the units that
// run only on Windows, in UTF-8. Empty when the program carries no such string.
#pragma once

#include <string>

#include "platform/Win32.h"
#include "support/SystemFunction.h"
#include "support/SystemText.h"

inline std::string LoadResString(UINT id) {
    if (WideSystem()) {
        WCHAR buffer[1024] = {};
        const int length =
            SYSTEM_FUNCTION("user32.dll", LoadStringW)(GetModuleHandleA(nullptr), id, buffer, 1024);
        return Utf8FromWide(buffer, length > 0 ? length : 0);
    }
    char buffer[1024] = "";
    const int length = LoadStringA(GetModuleHandleA(nullptr), id, buffer, sizeof buffer);
    return Utf8FromAnsi(std::string(buffer, length > 0 ? static_cast<size_t>(length) : 0));
}
