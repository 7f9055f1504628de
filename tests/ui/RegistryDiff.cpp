#include "RegistryDiff.h"

#include <cstdio>

#include "platform/Win32.h"

namespace {

std::string ValueLine(DWORD type, const std::string& bytes) {
    if (type == REG_SZ || type == REG_EXPAND_SZ) {
        const size_t nul = bytes.find('\0');
        return nul == std::string::npos ? bytes : bytes.substr(0, nul);
    }
    if (type == REG_DWORD && bytes.size() == 4) {
        DWORD v = 0;
        for (int i = 3; i >= 0; --i)
            v = v << 8 | static_cast<unsigned char>(bytes[i]);
        return "dword:" + std::to_string(v);
    }
    std::string line = "type " + std::to_string(type) + ":";
    char hex[4];
    for (unsigned char c : bytes) {
        std::snprintf(hex, sizeof hex, "%02X", c);
        line += hex;
    }
    return line;
}

void Picture(HKEY key, const std::string& path, TRegistryPicture& picture) {
    if (!path.empty())
        picture.insert(path);
    const std::string prefix = path.empty() ? "" : path + "\\";
    char name[16384];
    for (DWORD i = 0;; ++i) {
        DWORD nameLength = sizeof name, type = 0, size = 0;
        if (RegEnumValueA(key, i, name, &nameLength, nullptr, &type, nullptr, &size) !=
            ERROR_SUCCESS)
            break;
        std::string bytes(size, '\0');
        nameLength = sizeof name;
        if (RegEnumValueA(key, i, name, &nameLength, nullptr, &type,
                          reinterpret_cast<BYTE*>(&bytes[0]), &size) != ERROR_SUCCESS)
            continue;
        bytes.resize(size);
        picture.insert(prefix + "[" + std::string(name, nameLength) +
                       "]=" + ValueLine(type, bytes));
    }
    for (DWORD i = 0;; ++i) {
        DWORD nameLength = sizeof name;
        if (RegEnumKeyExA(key, i, name, &nameLength, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS)
            break;
        const std::string sub(name, nameLength);
        HKEY child = nullptr;
        if (RegOpenKeyExA(key, sub.c_str(), 0, KEY_READ, &child) == ERROR_SUCCESS) {
            Picture(child, prefix + sub, picture);
            RegCloseKey(child);
        }
    }
}

} // namespace

TRegistryPicture PictureOfClassesRoot() {
    TRegistryPicture picture;
    Picture(HKEY_CLASSES_ROOT, "", picture);
    return picture;
}

namespace {

// Deletes the subkeys of a key, depth first; false when one stays.
bool EmptyKey(HKEY key) {
    char name[512];
    for (;;) {
        DWORD length = sizeof name;
        if (RegEnumKeyExA(key, 0, name, &length, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS)
            return true;
        HKEY child = nullptr;
        if (RegOpenKeyExA(key, name, 0, KEY_ALL_ACCESS, &child) != ERROR_SUCCESS)
            return false;
        const bool emptied = EmptyKey(child);
        RegCloseKey(child);
        if (!emptied || RegDeleteKeyA(key, name) != ERROR_SUCCESS)
            return false;
    }
}

} // namespace

void EmptyClassesRoot() {
    EmptyKey(HKEY_CLASSES_ROOT);
}

std::vector<std::string> Difference(const TRegistryPicture& before, const TRegistryPicture& after) {
    std::vector<std::string> lines;
    for (const std::string& line : before)
        if (!after.count(line))
            lines.push_back("- " + line);
    for (const std::string& line : after)
        if (!before.count(line))
            lines.push_back("+ " + line);
    return lines;
}
