// The registry functions of the system with the program's text, UTF-8: the
// only place that calls an advapi32 registry function. On the NT family the
// wide ("W") functions, looked up at run time, with names and text data in
// UTF-16, so that every name and text the registry holds is reached and
// kept exactly; on Windows 95, 98 and ME the ANSI ("A") functions with
// names and text data in the ANSI code page. Text data is that of REG_SZ,
// REG_EXPAND_SZ and REG_MULTI_SZ; the data of every other type is bytes and
// never converted. Each function makes one system call and counts it (see
// RegistryCallCount).
#pragma once

#include "platform/Win32.h"

#include <string>
#include <vector>

namespace sysreg {

// Whether the type's data is text.
bool IsTextType(DWORD type);

// The program's form of value data the system function gave: text types
// converted to UTF-8 unit for unit, so that NULs (a missing final one, the
// separators of REG_MULTI_SZ) stay where they were. A text of an odd number
// of bytes, which the NT registry can hold though no UTF-16 text has one,
// keeps its last byte after a 0xFF byte (one UTF-8 never holds) when
// `keepOddByte` is set; otherwise that byte is left out.
std::string ProgramData(DWORD type, const char* data, DWORD size, bool keepOddByte);
// The system's form of the program's value data: the inverse of ProgramData.
std::string SystemData(DWORD type, const std::string& data);
// The UTF-16 bytes (little-endian) of program text as the NT registry holds
// it, the odd last byte kept by ProgramData included; whatever the system.
std::string WideTextBytes(const std::string& data);

// The character unit of the functions in use: 2 bytes (WCHAR) on the NT
// family, 1 on the 95 family. Buffers of names are counted in these units.
DWORD NameUnitSize();

LONG OpenKey(HKEY base, const std::string& path, REGSAM access, HKEY& result);
LONG CreateKey(HKEY base, const std::string& path, REGSAM access, HKEY& result);
LONG CloseKey(HKEY key);
LONG DeleteKey(HKEY base, const std::string& path);
LONG DeleteValue(HKEY key, const std::string& name);

// The facts of a key. Name lengths are in the units of the functions in use
// without the NUL (WCHARs on NT, where Far East systems' ANSI functions
// would count characters for bytes), data sizes in bytes as stored.
struct KeyFacts {
    DWORD SubKeys = 0;
    DWORD MaxSubKeyLen = 0;
    DWORD Values = 0;
    DWORD MaxValueNameLen = 0;
    DWORD MaxDataLen = 0;
    FILETIME LastWrite = {0, 0};
};
LONG QueryInfoKey(HKEY key, KeyFacts& facts);

// The name of the subkey at `index`, read into a buffer of `room` units
// (the NUL included); ERROR_MORE_DATA when it does not fit.
LONG EnumKey(HKEY key, DWORD index, DWORD room, std::string& name);

// The value at `index`: its name (buffer of `nameRoom` units) and, when
// `data` is given, its type and data (buffer of `dataRoom` bytes, in the
// program's form). ERROR_MORE_DATA when a buffer is too small; `dataRoom`
// then holds the size needed when the function told it.
LONG EnumValue(HKEY key, DWORD index, DWORD nameRoom, DWORD& dataRoom, std::string& name,
               DWORD& type, std::string* data, bool keepOddByte);

// The value `name`: its type and stored size, and when `buffer` is given its
// data in the system's form (`size` bytes of the buffer, which holds `room`;
// see ProgramData). ERROR_MORE_DATA with the size needed when it does not fit.
LONG QueryValue(HKEY key, const std::string& name, DWORD& type, char* buffer, DWORD room,
                DWORD& size);

// Writes the value with exactly the type and data (program's form) given.
LONG SetValue(HKEY key, const std::string& name, DWORD type, const std::string& data);

} // namespace sysreg
