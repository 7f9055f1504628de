#include "support/RegistryDump.h"

#include <cstdio>
#include <vector>

namespace {

std::string Hex(const std::vector<BYTE>& bytes, DWORD size) {
    std::string out;
    char digits[4];
    for (DWORD i = 0; i < size; ++i) {
        std::snprintf(digits, sizeof digits, "%02x", bytes[i]);
        out += digits;
    }
    return out;
}

void DumpKey(HKEY key, const std::string& path, std::string& out) {
    out += "[" + path + "]\n";
    std::vector<char> name(16384);
    std::vector<BYTE> data(1 << 16);
    for (DWORD i = 0;; ++i) {
        DWORD nameLen = static_cast<DWORD>(name.size());
        DWORD dataLen = static_cast<DWORD>(data.size());
        DWORD type = 0;
        LONG rc =
            RegEnumValueA(key, i, name.data(), &nameLen, nullptr, &type, data.data(), &dataLen);
        if (rc == ERROR_NO_MORE_ITEMS)
            break;
        if (rc != ERROR_SUCCESS) {
            out += "  (value " + std::to_string(i) + " unreadable)\n";
            continue;
        }
        out += "  \"" + std::string(name.data(), nameLen) + "\" " + std::to_string(type) + " " +
               Hex(data, dataLen) + "\n";
    }
    for (DWORD i = 0;; ++i) {
        DWORD nameLen = static_cast<DWORD>(name.size());
        LONG rc = RegEnumKeyExA(key, i, name.data(), &nameLen, nullptr, nullptr, nullptr, nullptr);
        if (rc != ERROR_SUCCESS)
            break;
        const std::string subName(name.data(), nameLen);
        HKEY subKey = nullptr;
        if (RegOpenKeyExA(key, subName.c_str(), 0, KEY_READ, &subKey) != ERROR_SUCCESS) {
            out += "  (subkey " + subName + " unreadable)\n";
            continue;
        }
        DumpKey(subKey, path + "\\" + subName, out);
        RegCloseKey(subKey);
    }
}

} // namespace

std::string DumpRegistry(HKEY root) {
    std::string out;
    DumpKey(root, "", out);
    return out;
}
