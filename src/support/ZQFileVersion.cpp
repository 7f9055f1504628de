#include "support/ZQFileVersion.h"

#include <vector>

#include "platform/Win32.h"
#include "support/Exception.h"
#include "support/StringList.h"

void GetFileVersionStrings(const std::string& fileName, TStringList& list) {
    list.Clear();
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(fileName.c_str(), &ignored);
    if (size == 0)
        throw ZQException("'" + fileName + "' contains no versioninformation.");
    // The buffer has exactly the size the platform reported; every text taken
    // from it is bounded by that size, whatever lengths the record claims.
    std::vector<char> block(size);
    if (!GetFileVersionInfoA(fileName.c_str(), 0, size, block.data()))
        throw ZQException("Error while reading versioninformation.");

    void* table = nullptr;
    UINT tableLength = 0;
    if (!VerQueryValueA(block.data(), "\\VarFileInfo\\Translation", &table, &tableLength))
        table = nullptr;
    const std::string key = TranslationKeyOf(table, tableLength);

    for (const char* name : VersionStringNames) {
        const std::string path = VersionStringPath(key, name);
        void* value = nullptr;
        UINT length = 0;
        std::string text;
        if (VerQueryValueA(block.data(), path.c_str(), &value, &length))
            text =
                VersionTextOf(block.data(), block.size(), static_cast<const char*>(value), length);
        list.Add(text);
    }
}
