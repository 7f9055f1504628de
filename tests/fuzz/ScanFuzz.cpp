// The registry scan over a stand-in registry built from the input: keys with
// names from a small alphabet (so that names meet in case and sort), default
// values of every type, class keys with descriptions of any type. The scan's
// counts must equal a plain recount of the registry, and every extension must
// be filed under the class its default value names. The registry is written
// through the ANSI functions (the names in Windows-1252 or code page 932) and
// recounted through the wide ones, in the program's UTF-8.
#include "FuzzCheck.h"
#include "association/DataType.h"
#include "index/FileClassScan.h"
#include "platform/FakeControl.h"
#include "support/StringList.h"
#include "support/TextCompare.h"
#include "support/Utf8Text.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <map>
#include <vector>

namespace {

const DWORD kTypes[] = {REG_SZ, REG_EXPAND_SZ, REG_DWORD, REG_BINARY, REG_NONE, REG_MULTI_SZ};

std::string Name(FuzzedDataProvider& input) {
    // Points, case pairs, a blank, a bar, bytes above 127 and a double-byte
    // pair whose second byte is a backslash.
    static const char* const pieces[] = {".", "a", "A",    "b",    "B",        "x", " ",
                                         "|", "1", "\xE9", "\xC9", "\x83\x5C", "z"};
    std::string name;
    const int length = input.ConsumeIntegralInRange(1, 5);
    for (int i = 0; i < length; ++i)
        name += pieces[input.ConsumeIntegralInRange<size_t>(0, sizeof pieces / sizeof *pieces - 1)];
    return name;
}

void Put(const std::string& key, const char* value, DWORD type, const std::string& bytes) {
    HKEY h = nullptr;
    if (RegCreateKeyExA(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &h,
                        nullptr) != ERROR_SUCCESS)
        return;
    RegSetValueExA(h, value, 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                   static_cast<DWORD>(bytes.size()));
    RegCloseKey(h);
}

// The class an extension key names, read plainly: text up to its first NUL;
// nothing for a missing or empty value; `unreadable` for data of another type.
std::string PlainClassOf(const std::string& ext, bool& unreadable) {
    unreadable = false;
    HKEY h = nullptr;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, WideFromUtf8(ext).c_str(), 0, KEY_READ, &h) !=
        ERROR_SUCCESS)
        return std::string();
    DWORD type = 0, size = 0;
    std::string text;
    if (RegQueryValueExW(h, u"", nullptr, &type, nullptr, &size) == ERROR_SUCCESS && size > 0) {
        std::vector<WCHAR> data(size / 2 + 1);
        RegQueryValueExW(h, u"", nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size);
        if (type == REG_SZ || type == REG_EXPAND_SZ)
            text = Utf8FromWide(data.data(), static_cast<int>(size / 2)).c_str();
        else
            unreadable = true;
    }
    RegCloseKey(h);
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    fake::ResetRegistry();
    fake::SetDbcsEnabled(input.ConsumeBool());
    const int keys = input.ConsumeIntegralInRange(0, 24);
    for (int i = 0; i < keys && input.remaining_bytes() > 0; ++i) {
        const std::string name = Name(input);
        const DWORD type = kTypes[input.ConsumeIntegralInRange<size_t>(0, 5)];
        std::string bytes = input.ConsumeBool() ? Name(input) + std::string(1, '\0')
                                                : input.ConsumeRandomLengthString(8);
        if (input.ConsumeBool())
            Put(name, "", type, bytes);
        else
            Put(name, "FriendlyTypeName", type, bytes);
    }

    TFileClass index;
    const TScanResult found = ScanFileClasses(index);

    // The plain recount: every key at the root with a valid extension name.
    HKEY root = nullptr;
    RegOpenKeyExA(HKEY_CLASSES_ROOT, "", 0, KEY_READ, &root);
    int extensions = 0, unreadableCount = 0;
    std::vector<std::pair<std::string, std::string>> filed; // extension, class
    WCHAR name[512];
    for (DWORD i = 0;; ++i) {
        DWORD length = 512;
        if (RegEnumKeyExW(root, i, name, &length, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS)
            break;
        const std::string ext = Utf8FromWide(name, static_cast<int>(length));
        if (!IsValidExtension(ext))
            continue;
        ++extensions;
        bool unreadable = false;
        filed.emplace_back(ext, PlainClassOf(ext, unreadable));
        unreadableCount += unreadable ? 1 : 0;
    }
    RegCloseKey(root);
    std::vector<std::string> classes;
    for (const auto& entry : filed) {
        bool known = false;
        for (const std::string& c : classes)
            known = known || SameText(c, entry.second);
        if (!known)
            classes.push_back(entry.second);
    }

    FUZZ_CHECK(found.Extensions == extensions, std::to_string(found.Extensions));
    FUZZ_CHECK(found.Unreadable == unreadableCount, std::to_string(found.Unreadable));
    FUZZ_CHECK(found.Classes == static_cast<int>(classes.size()), std::to_string(found.Classes));
    FUZZ_CHECK(index.Count() == found.Classes, std::to_string(index.Count()));
    int held = 0;
    for (const auto& entry : filed) {
        const int at = index.IndexOf(entry.second);
        FUZZ_CHECK(at >= 0, HexDump(entry.second));
        FUZZ_CHECK(index.HasExtension(at, entry.first), HexDump(entry.first));
    }
    for (int i = 0; i < index.Count(); ++i)
        held += index.ExtensionCount(i);
    FUZZ_CHECK(held == extensions, std::to_string(held));
    return 0;
}
