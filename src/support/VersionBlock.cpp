#include <cstdint>
#include <cstdio>
#include <cstring>

#include "support/Exception.h"
#include "support/ZQFileVersion.h"

const char* const VersionStringNames[kVersionStringCount] = {
    "CompanyName",    "FileDescription", "FileVersion",      "InternalName",
    "LegalCopyright", "LegalTrademarks", "OriginalFilename", "ProductName",
    "ProductVersion", "Comments",        "Homepage",         "E-mail",
};

std::string TranslationKeyOf(const void* table, unsigned length) {
    // One entry is two 16-bit numbers: language, then code page.
    if (!table || length < 4)
        throw ZQException("Error while reading versioninformation.");
    uint16_t entry[2];
    std::memcpy(entry, table, sizeof entry);
    char key[9];
    std::snprintf(key, sizeof key, "%04X%04X", entry[0], entry[1]);
    return key;
}

std::string VersionStringPath(const std::string& translationKey, const std::string& name) {
    return "StringFileInfo\\" + translationKey + "\\" + name;
}

std::string VersionTextOf(const char* block, size_t blockSize, const char* value, unsigned length) {
    if (!block || !value || value < block || value >= block + blockSize)
        return std::string();
    const size_t room = static_cast<size_t>(block + blockSize - value);
    const size_t limit = length < room ? length : room;
    const void* nul = std::memchr(value, '\0', limit);
    return std::string(value, nul ? static_cast<const char*>(nul) - value : limit);
}
