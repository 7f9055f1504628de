#include "support/RegistryDump.h"

#include "support/Utf8Text.h"

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
    std::vector<WCHAR> name(16384);
    std::vector<BYTE> data(1 << 16);
    for (DWORD i = 0;; ++i) {
        DWORD nameLen = static_cast<DWORD>(name.size());
        DWORD dataLen = static_cast<DWORD>(data.size());
        DWORD type = 0;
        LONG rc =
            RegEnumValueW(key, i, name.data(), &nameLen, nullptr, &type, data.data(), &dataLen);
        if (rc == ERROR_NO_MORE_ITEMS)
            break;
        if (rc != ERROR_SUCCESS) {
            out += "  (value " + std::to_string(i) + " unreadable)\n";
            continue;
        }
        out += "  \"" + Utf8FromWide(name.data(), static_cast<int>(nameLen)) + "\" " +
               std::to_string(type) + " " + Hex(data, dataLen) + "\n";
    }
    for (DWORD i = 0;; ++i) {
        DWORD nameLen = static_cast<DWORD>(name.size());
        LONG rc = RegEnumKeyExW(key, i, name.data(), &nameLen, nullptr, nullptr, nullptr, nullptr);
        if (rc != ERROR_SUCCESS)
            break;
        const std::string subName = Utf8FromWide(name.data(), static_cast<int>(nameLen));
        HKEY subKey = nullptr;
        if (RegOpenKeyExW(key, WideFromUtf8(subName).c_str(), 0, KEY_READ, &subKey) !=
            ERROR_SUCCESS) {
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

std::string DumpStores() {
    return DumpRegistry(HKEY_LOCAL_MACHINE) + DumpRegistry(HKEY_CURRENT_USER);
}
