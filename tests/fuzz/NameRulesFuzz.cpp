// Name rules, on NT (the wide registry functions) or on a Far East system of
// the 95 family (the ANSI ones, code page 932): they agree with a plain
// reading of the rules on the name's UTF-8, and a name they accept can be
// created as one key and is found again, though its ANSI form may hold the
// byte of "\" (".ソ" is 0x2E 0x83 0x5C).
#include "FuzzCheck.h"
#include "association/DataType.h"
#include "platform/FakeControl.h"
#include "registry/Registry5LE.h"
#include "support/StringList.h"
#include "support/SystemText.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

// The characters of a UTF-8 name.
std::vector<std::string> Characters(const std::string& name) {
    std::vector<std::string> chars;
    for (size_t i = 0; i < name.size();) {
        const size_t next = NextUtf8Pos(name, i);
        chars.push_back(name.substr(i, next - i));
        i = next;
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
    std::string raw = input.ConsumeRemainingBytesAsString();
    // Key names are C strings of at most 255 characters.
    raw = raw.substr(0, std::min<size_t>(raw.find('\0'), 200));

    fake::ResetRegistry();
    fake::SetVersion(farEast ? "win98" : "win2k");
    fake::SetDbcsEnabled(farEast);
    // The program's text: the bytes read as ANSI text of code page 932 on
    // the Far East system, as UTF-8 on NT.
    const std::string name = farEast ? Utf8FromAnsi(raw) : Utf8FromWide(WideFromUtf8(raw));
    const std::vector<std::string> chars = Characters(name);
    const bool extension = IsValidExtension(name);
    const bool fileClass = IsValidFileClass(name);
    FUZZ_CHECK(extension == PlainExtensionRule(chars), HexDump(name));
    FUZZ_CHECK(fileClass == PlainClassRule(name, chars), HexDump(name));
    FUZZ_CHECK(!(extension && fileClass), HexDump(name));
    FUZZ_CHECK(!ExtensionExists(name) && !FileClassExists(name), HexDump(name));

    // A character the code page lacks (what stood for a byte that begins no
    // character) can't reach the ANSI registry.
    if (farEast && Utf8FromAnsi(AnsiFromUtf8(name)) != name)
        return 0;
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
