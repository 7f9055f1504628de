#include "support/ZQFileVersion.h"

#include <vector>

#include "platform/Win32.h"
#include "support/Exception.h"
#include "support/StringList.h"
#include "support/SystemFunction.h"
#include "support/SystemText.h"

namespace {

// The text of a version value that VerQueryValueW gave: `length` characters
// at most, within the block.
std::string WideVersionTextOf(const std::vector<char>& block, const void* value, unsigned length) {
    const char* at = static_cast<const char*>(value);
    if (!at || at < block.data() || at >= block.data() + block.size())
        return std::string();
    const size_t room = static_cast<size_t>(block.data() + block.size() - at) / sizeof(WCHAR);
    const WCHAR* text = static_cast<const WCHAR*>(value);
    size_t count = 0;
    while (count < length && count < room && text[count])
        ++count;
    return Utf8FromWide(text, static_cast<int>(count));
}

} // namespace

void GetFileVersionStrings(const std::string& fileName, TStringList& list) {
    list.Clear();
    const bool wide = WideSystem();
    const WideString wideName = WideFromUtf8(fileName);
    const std::string ansiName = AnsiFromUtf8(fileName);
    DWORD ignored = 0;
    const DWORD size =
        wide ? SYSTEM_FUNCTION("version.dll", GetFileVersionInfoSizeW)(wideName.c_str(), &ignored)
             : GetFileVersionInfoSizeA(ansiName.c_str(), &ignored);
    if (size == 0)
        throw ZQException("'" + fileName + "' contains no versioninformation.");
    // The buffer has exactly the size the platform reported; every text taken
    // from it is bounded by that size, whatever lengths the record claims.
    std::vector<char> block(size);
    if (!(wide ? SYSTEM_FUNCTION("version.dll", GetFileVersionInfoW)(wideName.c_str(), 0, size,
                                                                     block.data())
               : GetFileVersionInfoA(ansiName.c_str(), 0, size, block.data())))
        throw ZQException("Error while reading versioninformation.");

    void* table = nullptr;
    UINT tableLength = 0;
    const bool found =
        wide ? SYSTEM_FUNCTION("version.dll", VerQueryValueW)(
                   block.data(), WideFromUtf8("\\VarFileInfo\\Translation").c_str(), &table,
                   &tableLength)
             : VerQueryValueA(block.data(), "\\VarFileInfo\\Translation", &table, &tableLength);
    if (!found)
        table = nullptr;
    const std::string key = TranslationKeyOf(table, tableLength);

    for (const char* name : VersionStringNames) {
        const std::string path = VersionStringPath(key, name);
        void* value = nullptr;
        UINT length = 0;
        std::string text;
        if (wide) {
            if (SYSTEM_FUNCTION("version.dll", VerQueryValueW)(
                    block.data(), WideFromUtf8(path).c_str(), &value, &length))
                text = WideVersionTextOf(block, value, length);
        } else if (VerQueryValueA(block.data(), path.c_str(), &value, &length)) {
            text = Utf8FromAnsi(
                VersionTextOf(block.data(), block.size(), static_cast<const char*>(value), length));
        }
        list.Add(text);
    }
}
