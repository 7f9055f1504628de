// The settings file: starting from any file contents, every value written
// reads back as written (on one line, without the blanks around it, at most
// 1023 characters), a write leaves the other keys as they were, and numbers
// read back as the numbers written.
#include "FuzzCheck.h"
#include "support/TextCompare.h"
#include "support/SystemText.h"
#include "support/ZQIniFiles.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <fstream>
#include <unistd.h>
#include <vector>

namespace {

std::string Trim(const std::string& text) {
    const auto begin = text.find_first_not_of(" \t");
    if (begin == std::string::npos)
        return std::string();
    return text.substr(begin, text.find_last_not_of(" \t") - begin + 1);
}

std::string OneLine(const std::string& text) {
    return text.substr(0, text.find_first_of(std::string("\r\n\0", 3)));
}

// A section or key name the file can hold: one line, not blank, and not
// taken for something else when the line is read back (a key that begins a
// section header or a comment, or holds "=", a section name with "]").
// Whether text comes back as written from the file, which is in the ANSI
// code page: UTF-8 of characters that code page has.
bool InCodePage(const std::string& text) {
    return Utf8FromAnsi(AnsiFromUtf8(text)) == text;
}

bool Holdable(const std::string& name, bool section) {
    const std::string text = Trim(OneLine(name));
    if (text.empty() || !InCodePage(text))
        return false;
    if (section)
        return text.find(']') == std::string::npos;
    return text[0] != '[' && text[0] != ';' && text.find('=') == std::string::npos;
}

struct Written {
    std::string section, key, value;
};

const std::string& FilePath() {
    static const std::string path = [] {
        const char* shm = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
        return std::string(shm) + "/corvix-fuzz-ini-" + std::to_string(getpid()) + ".ini";
    }();
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    const std::string before = input.ConsumeRandomLengthString(2000);
    std::ofstream(FilePath(), std::ios::binary | std::ios::trunc) << before;
    TZQIniFile ini(FilePath());

    std::vector<Written> written;
    const int writes = input.ConsumeIntegralInRange(1, 6);
    for (int i = 0; i < writes && input.remaining_bytes() > 0; ++i) {
        Written w;
        w.section = input.ConsumeRandomLengthString(20);
        w.key = input.ConsumeRandomLengthString(20);
        w.value = input.ConsumeBool() ? input.ConsumeRandomLengthString(1200)
                                      : std::to_string(input.ConsumeIntegral<int>());
        if (!Holdable(w.section, true) || !Holdable(w.key, false) ||
            !InCodePage(Trim(OneLine(w.value))))
            continue;
        ini.WriteString(w.section, w.key, w.value);
        written.push_back(w);
    }
    // The last value written to a key (names match as the file matches them).
    for (size_t i = 0; i < written.size(); ++i) {
        const Written& w = written[i];
        std::string expected;
        for (const Written& later : written)
            if (SameText(Trim(OneLine(later.section)), Trim(OneLine(w.section))) &&
                SameText(Trim(OneLine(later.key)), Trim(OneLine(w.key))))
                expected = Utf8FromAnsi(AnsiFromUtf8(Trim(OneLine(later.value))).substr(0, 1023));
        const std::string read = ini.ReadString(w.section, w.key, "<absent>");
        FUZZ_CHECK(read == expected, "[" + HexDump(w.section) + "] " + HexDump(w.key) + " read " +
                                         HexDump(read) + " expected " + HexDump(expected));
        int number = 0;
        if (IniTextToInteger(expected, number))
            FUZZ_CHECK(ini.ReadInteger(w.section, w.key, number ^ 1) == number, expected);
    }
    // Numbers and switches.
    if (!written.empty()) {
        const int number = input.ConsumeIntegral<int>();
        ini.WriteInteger(written[0].section, written[0].key, number);
        FUZZ_CHECK(ini.ReadInteger(written[0].section, written[0].key, number ^ 1) == number,
                   std::to_string(number));
        ini.WriteBool(written[0].section, written[0].key, number & 1);
        FUZZ_CHECK(ini.ReadBool(written[0].section, written[0].key, !(number & 1)) == (number & 1),
                   std::to_string(number));
    }
    return 0;
}
