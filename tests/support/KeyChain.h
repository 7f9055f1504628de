// Raw registry helpers for tests with long names: the key is reached one name
// at a time, because the ANSI registry functions of Wine (and some Windows
// versions) refuse a path longer than MAX_PATH characters as a whole, and two
// 255-character names make such a path. Below HKEY_CLASSES_ROOT.
#pragma once

#include "platform/Win32.h"

#include <algorithm>
#include <initializer_list>
#include <string>
#include <vector>

// The key reached through `names` (opened with all access, created when
// `create`), or null; the caller closes it.
inline HKEY OpenChain(std::initializer_list<std::string> names, bool create) {
    HKEY key = HKEY_CLASSES_ROOT;
    for (const std::string& name : names) {
        HKEY next = nullptr;
        LONG rc = create ? RegCreateKeyExA(key, name.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                                           nullptr, &next, nullptr)
                         : RegOpenKeyExA(key, name.c_str(), 0, KEY_ALL_ACCESS, &next);
        if (key != HKEY_CLASSES_ROOT)
            RegCloseKey(key);
        if (rc != ERROR_SUCCESS)
            return nullptr;
        key = next;
    }
    return key;
}

inline bool PutChainString(std::initializer_list<std::string> names, const std::string& name,
                           const std::string& value) {
    HKEY key = OpenChain(names, true);
    if (!key)
        return false;
    LONG rc =
        RegSetValueExA(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                       static_cast<DWORD>(value.size() + 1));
    RegCloseKey(key);
    return rc == ERROR_SUCCESS;
}

inline bool HasChain(std::initializer_list<std::string> names) {
    HKEY key = OpenChain(names, false);
    if (key)
        RegCloseKey(key);
    return key != nullptr;
}

// The names of the key's direct subkeys, sorted; empty when it is missing.
inline std::vector<std::string> SubkeysOfChain(std::initializer_list<std::string> names) {
    std::vector<std::string> subkeys;
    HKEY key = OpenChain(names, false);
    if (!key)
        return subkeys;
    char name[512];
    for (DWORD i = 0;; ++i) {
        DWORD len = sizeof name;
        if (RegEnumKeyExA(key, i, name, &len, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        subkeys.emplace_back(name, len);
    }
    RegCloseKey(key);
    std::sort(subkeys.begin(), subkeys.end());
    return subkeys;
}
