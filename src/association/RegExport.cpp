#include "association/RegExport.h"

#include "registry/ClassesStore.h"
#include "registry/SystemRegistry.h"
#include "support/SystemText.h"

#include <cstring>

namespace {

const char kLineEnd[] = "\r\n";
const char kHex[] = "0123456789abcdef";

// A text value the editor writes as "text": exactly one NUL, at the end, and
// no line break (the file has no escape for one).
bool IsPlainText(const TRawValue& value) {
    return value.Type == REG_SZ && !value.Data.empty() &&
           value.Data.find('\0') == value.Data.size() - 1 &&
           value.Data.find_first_of("\r\n") == std::string::npos;
}

std::string Escaped(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\\' || c == '"')
            out += '\\';
        out += c;
    }
    return out;
}

std::string HexType(DWORD type) {
    if (type == REG_BINARY)
        return "hex:";
    std::string digits;
    do {
        digits.insert(digits.begin(), kHex[type & 15]);
        type >>= 4;
    } while (type);
    return "hex(" + digits + "):";
}

// Bytes as the editor writes them: two digits each, separated by commas, the
// line broken after a comma with a backslash once it passes 76 characters.
void AppendHexBytes(const std::string& data, std::string& line, std::string& out) {
    for (size_t i = 0; i < data.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(data[i]);
        line += kHex[c >> 4];
        line += kHex[c & 15];
        if (i + 1 < data.size()) {
            line += ',';
            if (line.size() > 76) {
                out += line + "\\" + kLineEnd;
                line = "  ";
            }
        }
    }
}

// The bytes of text data as the file's form has them: UTF-16 in the Unicode
// form, the ANSI code page in REGEDIT4's; other data as it is.
std::string FileBytes(const TRawValue& value, bool unicode) {
    if (!sysreg::IsTextType(value.Type))
        return value.Data;
    return unicode ? sysreg::WideTextBytes(value.Data) : AnsiFromUtf8(value.Data);
}

void AppendValue(const TRawValue& value, bool unicode, std::string& out) {
    std::string line = value.Name.empty() ? "@=" : "\"" + Escaped(value.Name) + "\"=";
    if (IsPlainText(value)) {
        line += "\"" + Escaped(value.Data.substr(0, value.Data.size() - 1)) + "\"";
    } else if (value.Type == REG_DWORD && value.Data.size() == 4) {
        line += "dword:";
        for (int i = 3; i >= 0; --i) {
            const unsigned char c = static_cast<unsigned char>(value.Data[i]);
            line += kHex[c >> 4];
            line += kHex[c & 15];
        }
    } else {
        line += HexType(value.Type);
        AppendHexBytes(FileBytes(value, unicode), line, out);
    }
    out += line + kLineEnd;
}

void AppendTree(const TKeyTree& tree, const std::string& fullName, bool unicode, std::string& out) {
    out += "[" + fullName + "]" + kLineEnd;
    for (const TRawValue& value : tree.Values)
        AppendValue(value, unicode, out);
    out += kLineEnd;
    for (const TKeyTree& subTree : tree.SubKeys)
        AppendTree(subTree, fullName + "\\" + subTree.Name, unicode, out);
}

} // namespace

std::string RegFileText(const std::vector<TKeyImage>& keys, bool unicode) {
    std::string out = std::string(unicode ? "Windows Registry Editor Version 5.00" : "REGEDIT4") +
                      kLineEnd + kLineEnd;
    for (const TKeyImage& key : keys) {
        if (key.Exists)
            AppendTree(key.Tree, key.FullName(), unicode, out);
        else
            out += "; " + key.FullName() + " does not exist" + kLineEnd + kLineEnd;
    }
    return out;
}

std::string RegFileBytes(const std::vector<TKeyImage>& keys) {
    if (!WideSystem())
        return AnsiFromUtf8(RegFileText(keys, false));
    const WideString text = WideFromUtf8(RegFileText(keys, true));
    std::string bytes = "\xFF\xFE"; // the byte order mark of UTF-16LE
    for (const WCHAR unit : text) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>((unit >> 8) & 0xFF);
    }
    return bytes;
}

std::vector<TKeyImage> CaptureWholeRoot(HKEY root) {
    if (root == HKEY_CLASSES_ROOT && TwoClassesStores()) {
        // Each store's keys under their own root, so that importing the file
        // puts each back where it was.
        std::vector<TKeyImage> images;
        for (TClassesStore store : {TClassesStore::User, TClassesStore::Machine}) {
            std::vector<std::string> names;
            const LONG rc = StoreKeyNames(store, "", names);
            if (rc != ERROR_SUCCESS && rc != ERROR_FILE_NOT_FOUND)
                throw EKeyImageError("Could not list the keys of " + StoreName(store) + " (" +
                                     RegistryErrorText(rc) + ").");
            for (std::string& name : names)
                name = StorePath(store, name);
            for (TKeyImage& image : CaptureKeysAsNamed(StoreRoot(store), names))
                images.push_back(std::move(image));
        }
        return images;
    }
    std::vector<std::string> names;
    if (LONG rc = TRawKey(root, false).SubKeyNames(names))
        throw EKeyImageError("Could not list the keys of " + RootKeyName(root) + " (" +
                             RegistryErrorText(rc) + ").");
    // The names come from the enumeration: the registry's own spelling.
    return CaptureKeysAsNamed(root, names);
}
