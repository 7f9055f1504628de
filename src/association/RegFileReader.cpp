#include "association/RegFileReader.h"

#include "association/KeyImage.h"
#include "association/ProfileError.h"
#include "registry/ClassesStore.h"
#include "support/HexDigit.h"
#include "support/SystemText.h"

#include <cstring>

namespace {

const char kHeader4[] = "REGEDIT4";
const char kHeader5[] = "Windows Registry Editor Version 5.00";

// UTF-16LE bytes (a last odd byte kept as the registry layer keeps it) in
// UTF-8.
std::string Utf8OfWideBytes(const std::string& bytes) {
    WideString wide(bytes.size() / 2, WCHAR(0));
    for (size_t i = 0; i < wide.size(); ++i)
        wide[i] = static_cast<WCHAR>(static_cast<unsigned char>(bytes[2 * i]) |
                                     static_cast<unsigned char>(bytes[2 * i + 1]) << 8);
    std::string text = Utf8FromWide(wide);
    if (bytes.size() % 2) {
        text += '\xFF';
        text += bytes.back();
    }
    return text;
}

// The file's text in UTF-8, by its byte order mark; without one UTF-8 when it
// is well-formed UTF-8, else the ANSI code page (as the 95 family's editor
// reads it).
std::string DecodedText(const std::string& bytes) {
    if (bytes.compare(0, 2, "\xFF\xFE") == 0)
        return Utf8OfWideBytes(bytes.substr(2));
    if (bytes.compare(0, 3, "\xEF\xBB\xBF") == 0)
        return bytes.substr(3);
    return IsUtf8(bytes) ? bytes : Utf8FromAnsi(bytes);
}

std::string Trimmed(const std::string& text) {
    const size_t begin = text.find_first_not_of(" \t");
    if (begin == std::string::npos)
        return std::string();
    return text.substr(begin, text.find_last_not_of(" \t") - begin + 1);
}

class TReader {
public:
    TReader(const std::string& file, const std::string& text) : file_(file) {
        size_t begin = 0;
        while (begin <= text.size()) {
            size_t end = text.find('\n', begin);
            if (end == std::string::npos)
                end = text.size();
            std::string line = text.substr(begin, end - begin);
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            lines_.push_back(line);
            begin = end + 1;
        }
    }

    std::vector<TRegFileKey> Keys() {
        size_t i = 0;
        while (i < lines_.size() && Trimmed(lines_[i]).empty())
            ++i;
        const std::string header = i < lines_.size() ? Trimmed(lines_[i]) : std::string();
        if (header != kHeader4 && header != kHeader5)
            Fail(static_cast<int>(i) + 1, std::string("not a registry file: the first line is "
                                                      "neither \"") +
                                              kHeader4 + "\" nor \"" + kHeader5 + "\"");
        unicode_ = header == kHeader5;
        for (line_ = i + 1; line_ < lines_.size(); ++line_) {
            const std::string text = Trimmed(lines_[line_]);
            if (text.empty() || text[0] == ';')
                continue;
            if (text[0] == '[')
                KeyLine(text);
            else if (text[0] == '"' || text[0] == '@')
                ValueLine(text);
            else
                Fail("the line is neither a key, a value nor a comment");
        }
        return std::move(keys_);
    }

private:
    [[noreturn]] void Fail(int line, const std::string& cause) const {
        throw EProfileError(file_, line, cause);
    }
    [[noreturn]] void Fail(const std::string& cause) const {
        Fail(static_cast<int>(line_) + 1, cause);
    }

    void KeyLine(const std::string& text) {
        if (text.back() != ']')
            Fail("the key's name has no closing bracket");
        TRegFileKey key;
        key.Line = static_cast<int>(line_) + 1;
        key.FullName = text.substr(1, text.size() - 2);
        key.Delete = !key.FullName.empty() && key.FullName[0] == '-';
        if (key.Delete)
            key.FullName.erase(0, 1);
        key.Root = ClassesStoreOf(key.FullName, key.Path);
        if (!key.Root)
            Fail("the key " + key.FullName +
                 " lies outside the file classes; a profile may change only keys below "
                 "HKEY_CLASSES_ROOT, HKEY_CURRENT_USER\\Software\\Classes and "
                 "HKEY_LOCAL_MACHINE\\Software\\Classes");
        keys_.push_back(std::move(key));
    }

    // A quoted text from `pos` (at its opening quote) with the escapes \\ and
    // \"; `pos` ends after the closing quote.
    std::string Quoted(const std::string& text, size_t& pos) const {
        std::string out;
        for (++pos; pos < text.size(); ++pos) {
            if (text[pos] == '"') {
                ++pos;
                return out;
            }
            if (text[pos] == '\\' && pos + 1 < text.size() &&
                (text[pos + 1] == '\\' || text[pos + 1] == '"'))
                ++pos;
            out += text[pos];
        }
        Fail("a quoted text has no closing quote");
    }

    void ValueLine(const std::string& text) {
        if (keys_.empty())
            Fail("a value stands before the first key");
        if (keys_.back().Delete)
            Fail("a value stands below a key the file deletes");
        TRegFileValue value;
        value.Line = static_cast<int>(line_) + 1;
        size_t pos = 1;
        if (text[0] == '"')
            value.Value.Name = Quoted(text, pos = 0);
        const size_t equals = text.find_first_not_of(" \t", pos);
        if (equals == std::string::npos || text[equals] != '=')
            Fail("the value's name is not followed by \"=\"");
        std::string data = Trimmed(text.substr(equals + 1));
        if (data == "-") {
            value.Delete = true;
        } else if (!data.empty() && data[0] == '"') {
            pos = 0;
            const std::string string = Quoted(data, pos);
            const std::string rest = Trimmed(data.substr(pos));
            if (!rest.empty() && rest[0] != ';')
                Fail("text follows the value's closing quote");
            value.Value.Type = REG_SZ;
            value.Value.Data = string + '\0';
        } else if (data.compare(0, 6, "dword:") == 0) {
            const uint32_t number = static_cast<uint32_t>(HexNumber(data.substr(6), 8));
            value.Value.Type = REG_DWORD;
            value.Value.Data.assign(4, '\0');
            for (int i = 0; i < 4; ++i)
                value.Value.Data[i] = static_cast<char>(number >> 8 * i & 0xFF);
        } else if (data.compare(0, 3, "hex") == 0) {
            HexValue(data, value.Value);
        } else {
            Fail("the value's data is neither a text, \"dword:\", \"hex:\" nor \"-\"");
        }
        keys_.back().Values.push_back(std::move(value));
    }

    // Up to `digits` hexadecimal digits, at least one.
    unsigned long HexNumber(const std::string& text, size_t digits) const {
        const std::string number = Trimmed(text);
        if (number.empty() || number.size() > digits)
            Fail("\"" + number + "\" is no hexadecimal number of up to " + std::to_string(digits) +
                 " digits");
        unsigned long value = 0;
        for (char c : number) {
            const int digit = HexDigit(c);
            if (digit < 0)
                Fail("\"" + number + "\" is no hexadecimal number");
            value = value << 4 | static_cast<unsigned long>(digit);
        }
        return value;
    }

    // "hex:" or "hex(TYPE):" and bytes, continued over the lines that follow
    // a line ending in a backslash.
    void HexValue(std::string data, TRawValue& value) {
        size_t colon = data.find(':');
        if (colon == std::string::npos)
            Fail("\"hex\" is not followed by \":\"");
        const std::string type = data.substr(3, colon - 3);
        if (type.empty())
            value.Type = REG_BINARY;
        else if (type.size() > 2 && type.front() == '(' && type.back() == ')')
            value.Type = static_cast<DWORD>(HexNumber(type.substr(1, type.size() - 2), 8));
        else
            Fail("\"hex" + type + "\" is no data type");
        data.erase(0, colon + 1);
        while (!data.empty() && data.back() == '\\' && line_ + 1 < lines_.size()) {
            data.pop_back();
            data += Trimmed(lines_[++line_]);
        }
        std::string bytes;
        size_t pos = 0;
        while (pos < data.size()) {
            const size_t comma = data.find(',', pos);
            const std::string byte = data.substr(pos, comma == std::string::npos ? std::string::npos
                                                                                  : comma - pos);
            if (Trimmed(byte).empty() && comma == std::string::npos && !bytes.empty())
                break; // a comma at the end
            bytes += static_cast<char>(HexNumber(byte, 2));
            if (comma == std::string::npos)
                break;
            pos = comma + 1;
        }
        if (value.Type == REG_SZ || value.Type == REG_EXPAND_SZ || value.Type == REG_MULTI_SZ)
            value.Data = unicode_ ? Utf8OfWideBytes(bytes) : Utf8FromAnsi(bytes);
        else
            value.Data = bytes;
    }

    std::string file_;
    std::vector<std::string> lines_;
    size_t line_ = 0;
    bool unicode_ = false;
    std::vector<TRegFileKey> keys_;
};

} // namespace

HKEY ClassesStoreOf(const std::string& fullName, std::string& path) {
    static const char* const kStores[] = {"HKEY_CLASSES_ROOT",
                                          "HKEY_CURRENT_USER\\Software\\Classes",
                                          "HKEY_LOCAL_MACHINE\\Software\\Classes"};
    static const TClassesStore kStoreKinds[] = {TClassesStore::View, TClassesStore::User,
                                                TClassesStore::Machine};
    for (size_t i = 0; i < 3; ++i) {
        const char* store = kStores[i];
        const size_t length = std::strlen(store);
        if (fullName.size() <= length || fullName[length] != '\\' ||
            !SameKeyName(fullName.substr(0, length), store))
            continue;
        path.clear();
        for (const std::string& name : SplitKeyPath(fullName.substr(length + 1)))
            path += (path.empty() ? "" : "\\") + name;
        if (path.empty())
            return nullptr;
        // A key named under a store goes to that store where the system keeps
        // two; HKEY_CLASSES_ROOT (and every key on a system with one store)
        // goes where the program's changes go.
        if (kStoreKinds[i] == TClassesStore::View || !TwoClassesStores())
            return HKEY_CLASSES_ROOT;
        path = StorePath(kStoreKinds[i], path);
        return StoreRoot(kStoreKinds[i]);
    }
    return nullptr;
}

std::vector<TRegFileKey> ReadRegFile(const std::string& fileName, const std::string& bytes) {
    return TReader(fileName, DecodedText(bytes)).Keys();
}
