// Name rules, on a Western or a Far East system (code page 932): they agree
// with a plain reading of the rules character by character, and a name they
// accept can be created as one key and is found again.
#include "FuzzCheck.h"
#include "association/DataType.h"
#include "platform/FakeControl.h"
#include "registry/Registry5LE.h"
#include "support/StringList.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

// The characters of a name: one or two bytes each.
std::vector<std::string> Characters(const std::string& name, bool farEast) {
    std::vector<std::string> chars;
    for (size_t i = 0; i < name.size();) {
        const unsigned char c = static_cast<unsigned char>(name[i]);
        const bool lead = farEast && ((c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC));
        const size_t length = lead && i + 1 < name.size() ? 2 : 1;
        chars.push_back(name.substr(i, length));
        i += length;
    }
    return chars;
}

bool PlainExtensionRule(const std::vector<std::string>& chars) {
    if (chars.size() < 2 || chars[0] != ".")
        return false;
    for (size_t i = 1; i < chars.size(); ++i)
        if (chars[i].size() == 1 && std::strchr(". \"*/:<>?\\|", chars[i][0]))
            return false;
    return true;
}

bool PlainClassRule(const std::string& name, const std::vector<std::string>& chars) {
    if (name.empty() || name[0] == '.')
        return false;
    if (name.rfind("CLSID\\{", 0) == 0)
        return IsValidGUID(name.substr(6));
    return std::find(chars.begin(), chars.end(), "\\") == chars.end();
}

int RootKeyCount() {
    TRegistry reg;
    reg.SetRootKey(HKEY_CLASSES_ROOT);
    TStringList names;
    if (reg.OpenKey("", false))
        reg.GetKeyNames(names);
    return names.Count();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    const bool farEast = input.ConsumeBool();
    std::string name = input.ConsumeRemainingBytesAsString();
    // Key names are C strings of at most 255 characters.
    name = name.substr(0, std::min<size_t>(name.find('\0'), 200));

    fake::ResetRegistry();
    fake::SetDbcsEnabled(farEast);
    const std::vector<std::string> chars = Characters(name, farEast);
    const bool extension = IsValidExtension(name);
    const bool fileClass = IsValidFileClass(name);
    FUZZ_CHECK(extension == PlainExtensionRule(chars), HexDump(name));
    FUZZ_CHECK(fileClass == PlainClassRule(name, chars), HexDump(name));
    FUZZ_CHECK(!(extension && fileClass), HexDump(name));
    FUZZ_CHECK(!ExtensionExists(name) && !FileClassExists(name), HexDump(name));

    if (extension) {
        TRegistry reg;
        reg.SetRootKey(HKEY_CLASSES_ROOT);
        FUZZ_CHECK(reg.CreateKey(name), HexDump(name));
        FUZZ_CHECK(ExtensionExists(name), HexDump(name));
        FUZZ_CHECK(RootKeyCount() == 1, HexDump(name)); // one key, not a path of several
        TStringList all;
        GetExtensions(all);
        FUZZ_CHECK(all.Count() == 1 && all[0] == name, HexDump(name));
    }
    if (fileClass) {
        TRegistry reg;
        reg.SetRootKey(HKEY_CLASSES_ROOT);
        FUZZ_CHECK(reg.CreateKey(name), HexDump(name));
        FUZZ_CHECK(FileClassExists(name), HexDump(name));
        FUZZ_CHECK(RootKeyCount() == 1, HexDump(name)); // CLSID, or the class itself
    }
    return 0;
}
