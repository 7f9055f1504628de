#include "support/ZQIniFiles.h"

#include "platform/Win32.h"
#include "support/TextSearch.h"
#include "support/DecimalText.h"
#include "support/Exception.h"
#include "support/HexDigit.h"
#include "support/SystemFiles.h"
#include "support/SystemText.h"
#include "support/TextCompare.h"
#include "support/WholeFile.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

// A value read back is at most this long, as with the platform's profile
// functions and their 1024-character buffer.
const size_t kMaxValueLength = 1023;

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string Trim(const std::string& text) {
    size_t begin = 0, end = text.size();
    while (begin < end && IsBlank(text[begin]))
        ++begin;
    while (end > begin && IsBlank(text[end - 1]))
        --end;
    return text.substr(begin, end - begin);
}

// A name or value goes into one line of the file: a line break (or a NUL,
// where the platform's strings end) would start a line of its own that reads
// as another key or section, so only the text before it is kept.
std::string OneLine(const std::string& text) {
    return text.substr(0, text.find_first_of(std::string("\r\n\0", 3)));
}

std::vector<std::string> SplitLines(const std::string& contents) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < contents.size()) {
        size_t end = contents.find_first_of("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(contents.substr(start));
            break;
        }
        lines.push_back(contents.substr(start, end - start));
        start = end + 1;
        if (contents[end] == '\r' && start < contents.size() && contents[start] == '\n')
            ++start;
    }
    return lines;
}

std::string JoinLines(const std::vector<std::string>& lines) {
    std::string contents;
    for (const std::string& line : lines)
        contents += line + "\r\n";
    return contents;
}

// True when the line is a section header; `name` receives the name between
// the brackets.
bool IsSectionHeader(const std::string& line, std::string& name) {
    std::string text = Trim(line);
    if (text.empty() || text[0] != '[')
        return false;
    size_t close = text.find(']');
    name = Trim(text.substr(1, close == std::string::npos ? std::string::npos : close - 1));
    return true;
}

// True when the line holds a key; a line without "=" is a key without value.
// Blank lines and comment lines (";") hold none.
bool IsKeyLine(const std::string& line, std::string& key, std::string& value) {
    std::string text = Trim(line);
    if (text.empty() || text[0] == ';')
        return false;
    size_t equals = text.find('=');
    key = Trim(text.substr(0, equals));
    value = equals == std::string::npos ? std::string() : Trim(text.substr(equals + 1));
    return true;
}

// Where a key is found in the lines of the file.
struct KeyPlace {
    long keyLine = -1;     // the key's line, -1 when absent
    long sectionEnd = -1;  // after the last non-blank line of the first
                           // matching section, -1 when there is none
    std::string storedKey; // the key's name as the file spells it
    std::string value;     // the key's value
};

// The lines are ANSI text as the file holds it; `section` and `key` are
// UTF-8, and the names of the file are compared in UTF-8 too (as ANSI bytes
// two different umlauts would be the same malformed UTF-8).
KeyPlace FindKey(const std::vector<std::string>& lines, const std::string& section,
                 const std::string& key) {
    KeyPlace place;
    bool inSection = false, firstSection = false;
    for (size_t i = 0; i < lines.size(); ++i) {
        std::string name, value;
        if (IsSectionHeader(lines[i], name)) {
            inSection = SameText(Utf8FromAnsi(name), section);
            firstSection = inSection && place.sectionEnd < 0;
            if (firstSection)
                place.sectionEnd = static_cast<long>(i) + 1;
            continue;
        }
        if (!inSection)
            continue;
        if (firstSection && !Trim(lines[i]).empty())
            place.sectionEnd = static_cast<long>(i) + 1;
        if (IsKeyLine(lines[i], name, value) && SameText(Utf8FromAnsi(name), key)) {
            place.keyLine = static_cast<long>(i);
            place.storedKey = name;
            place.value = value;
            return place;
        }
    }
    return place;
}

} // namespace

bool IniTextToInteger(const std::string& input, int& value) {
    std::string text = input;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
        text = "$" + text.substr(2);
    if (text.empty())
        return false;
    if (text[0] == '$') {
        // Hexadecimal text denotes the 32 bits themselves: $FFFFFFFF is -1.
        if (text.size() == 1)
            return false;
        uint32_t bits = 0;
        for (size_t i = 1; i < text.size(); ++i) {
            int digit = HexDigit(text[i]);
            if (digit < 0 || bits > 0x0FFFFFFFu)
                return false;
            bits = (bits << 4) | static_cast<uint32_t>(digit);
        }
        value = static_cast<int32_t>(bits);
        return true;
    }
    return DecimalToInt(text, value);
}

TZQIniFile::TZQIniFile(std::string fileName) : fileName_(std::move(fileName)) {}

std::string TZQIniFile::ReadString(const std::string& section, const std::string& key,
                                   const std::string& defaultValue) const {
    std::string contents;
    if (!ReadWholeFile(fileName_, contents))
        return defaultValue;
    // The file is in the ANSI code page, as other programs write it; only
    // what is read and written crosses to UTF-8, the other lines stay as
    // they are byte for byte.
    KeyPlace place = FindKey(SplitLines(contents), Trim(OneLine(section)), Trim(OneLine(key)));
    if (place.keyLine < 0)
        return defaultValue;
    return Utf8FromAnsi(place.value.substr(0, kMaxValueLength));
}

void TZQIniFile::WriteString(const std::string& section, const std::string& key,
                             const std::string& value) const {
    const std::string failure = "nach " + fileName_ + " kann nicht geschrieben werden";
    // An existing file that can't be read would lose its contents if it were
    // written over, so it counts as not writable.
    std::string contents;
    if (!ReadWholeFile(fileName_, contents) && !CanReplaceFile(fileName_))
        throw Exception(failure);

    std::vector<std::string> lines = SplitLines(contents);
    const std::string sectionName = Trim(OneLine(section));
    const std::string keyName = Trim(OneLine(key));
    const std::string ansiValue = AnsiFromUtf8(OneLine(value));
    const std::string line = AnsiFromUtf8(keyName) + "=" + ansiValue;
    KeyPlace place = FindKey(lines, sectionName, keyName);
    if (place.keyLine >= 0) {
        lines[place.keyLine] = place.storedKey + "=" + ansiValue;
    } else if (place.sectionEnd >= 0) {
        lines.insert(lines.begin() + place.sectionEnd, line);
    } else {
        if (!lines.empty() && !Trim(lines.back()).empty())
            lines.push_back("");
        lines.push_back("[" + AnsiFromUtf8(sectionName) + "]");
        lines.push_back(line);
    }
    if (!ReplaceWholeFile(fileName_, JoinLines(lines)))
        throw Exception(failure);
}

int TZQIniFile::ReadInteger(const std::string& section, const std::string& key,
                            int defaultValue) const {
    int value = 0;
    return IniTextToInteger(ReadString(section, key, ""), value) ? value : defaultValue;
}

void TZQIniFile::WriteInteger(const std::string& section, const std::string& key, int value) const {
    WriteString(section, key, std::to_string(value));
}

bool TZQIniFile::ReadBool(const std::string& section, const std::string& key,
                          bool defaultValue) const {
    return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

void TZQIniFile::WriteBool(const std::string& section, const std::string& key, bool value) const {
    WriteString(section, key, value ? "1" : "0");
}

std::string SettingsFilePath() {
    return FolderOfPath(ModuleFilePath()) + "settings.ini";
}
