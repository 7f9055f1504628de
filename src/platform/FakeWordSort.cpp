// CompareStringW and CompareStringA of the native stand-in: an approximation
// of Windows' word sort, made for the characters of Windows-1252 (the ANSI
// form compares its text converted from the ANSI code page). Characters
// beyond Windows-1252 sort after all others by their folded UTF-16 unit, with
// case after it. Each character has a primary weight (its place
// among symbols, digits and letters), a diacritic weight (accented letters
// follow their base letter) and a case weight; hyphens, apostrophes and
// control characters take no part in the first comparison and only break
// ties ("ab" < "a-b" < "ac"). The weight order below is the one Wine 8 gives
// for single characters; ligatures expand (ae, oe, ss, th). Locale-specific
// rules are not modelled: tests whose order hangs on punctuation or accents
// run under Wine as well.
#include "platform/FakeRegistryTree.h"
#include "platform/FakeWin32.h"

#include <cstring>
#include <string>
#include <vector>

namespace {

enum class Kind : unsigned char { Ignored, Special, Weighted, Expanded };

struct CharWeight {
    Kind kind = Kind::Ignored;
    unsigned primary = 0; // Weighted: order; Special: tie-break weight
    unsigned char diacritic = 0;
    unsigned char upper = 0;
    unsigned char expansion[2] = {0, 0}; // Expanded: the two letters it sorts as
};

// Primary groups in ascending order; the characters of one group share the
// primary weight and are ordered by their diacritic weight. Letters are given
// in lower case.
const char* const kPrimaryOrder[] = {
    // Blanks and symbols.
    "\x20", "\xA0", "\x09", "\x0A", "\x0B", "\x0C", "\x0D", "!", "\"", "#", "$", "%", "&", "(", ")",
    "*", ",", ".", "/", ":", ";", "?", "@", "[", "\\", "]", "^", "_", "`", "{", "|", "}", "~",
    "\xA1", "\xA6", "\xA8", "\xAF", "\xB4", "\xB8", "\xBF", "\x98", "\x91", "\x92", "\x82", "\x93",
    "\x94", "\x84", "\x8B", "\x9B", "\xA2", "\xA3", "\xA4", "\xA5", "\x80", "+", "<", "=", ">",
    "\xB1", "\xAB", "\xBB", "\xD7", "\xF7", "\xA7", "\xA9", "\xAC", "\xAE", "\xB0", "\xB5", "\xB6",
    "\xB7", "\x85", "\x86", "\x87", "\x95", "\x89", "\x81", "\x8D", "\x8F", "\x90", "\x9D",
    // Digits and fractions.
    "0", "\xBC", "\xBD", "\xBE", "1\xB9", "2\xB2", "3\xB3", "4", "5", "6", "7", "8", "9",
    // Letters with their accented forms.
    "a\xAA\xE1\xE0\xE2\xE4\xE3\xE5", "b", "c\xE7", "d\xF0", "e\xE9\xE8\xEA\xEB", "f\x83", "g", "h",
    "i\xED\xEC\xEE\xEF", "j", "k", "l", "m", "n\xF1", "o\xBA\xF3\xF2\xF4\xF6\xF5\xF8", "p", "q",
    "r", "s\x9A", "t", "\x99", "u\xFA\xF9\xFB\xFC", "v", "w", "x", "y\xFD\xFF", "z\x9E"};

// Ignored in the first comparison, in ascending tie-break order.
const char kSpecials[] = "\x01\x02\x03\x04\x05\x06\x07\x08\x0E\x0F\x10\x11\x12\x13\x14\x15\x16"
                         "\x17\x18\x19\x1A\x1B\x1C\x1D\x1E\x1F\x7F'-\x96\x97";

unsigned char LowerOf(unsigned char c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7))
        return static_cast<unsigned char>(c + 0x20);
    switch (c) {
    case 0x8A:
        return 0x9A; // S caron
    case 0x8C:
        return 0x9C; // OE
    case 0x8E:
        return 0x9E; // Z caron
    case 0x9F:
        return 0xFF; // Y diaeresis
    default:
        return c;
    }
}

// Unicode code points of the Windows-1252 characters 0x80 to 0x9F; the
// undefined ones map to the C1 control of the same number, as in Wine.
const char16_t kCp1252High[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                  0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                  0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                  0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// The Windows-1252 byte of a UTF-16 unit, or -1 when it has none.
int Cp1252Of(char16_t u) {
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return u;
    for (int i = 0; i < 32; ++i)
        if (kCp1252High[i] == u)
            return 0x80 + i;
    return -1;
}

// Above every primary weight of the table.
const unsigned kBeyond = 0x1000;

struct WeightTable {
    CharWeight w[256];
    WeightTable() {
        // Above the special weights, which the string sort uses as primaries.
        unsigned primary = sizeof kSpecials;
        for (const char* group : kPrimaryOrder) {
            unsigned char diacritic = 0;
            for (const char* p = group; *p; ++p) {
                CharWeight& cw = w[static_cast<unsigned char>(*p)];
                cw.kind = Kind::Weighted;
                cw.primary = primary;
                cw.diacritic = diacritic++;
            }
            ++primary;
        }
        w[0x88] = w[static_cast<unsigned char>('^')]; // modifier circumflex
        for (unsigned short i = 0; kSpecials[i]; ++i) {
            CharWeight& cw = w[static_cast<unsigned char>(kSpecials[i])];
            cw.kind = Kind::Special;
            cw.primary = i + 1u;
        }
        Expand(0xE6, 'a', 'e');
        Expand(0x9C, 'o', 'e');
        Expand(0xDF, 's', 's');
        Expand(0xFE, 't', 'h');
        for (int c = 0; c < 256; ++c) {
            unsigned char lower = LowerOf(static_cast<unsigned char>(c));
            if (lower != c) {
                w[c] = w[lower];
                w[c].upper = 1;
            }
        }
        // NUL and the soft hyphen stay ignored entirely.
    }
    void Expand(unsigned char c, char first, char second) {
        w[c].kind = Kind::Expanded;
        w[c].expansion[0] = static_cast<unsigned char>(first);
        w[c].expansion[1] = static_cast<unsigned char>(second);
    }
};

const WeightTable& Table() {
    static const WeightTable table;
    return table;
}

// The weights of one UTF-16 unit.
CharWeight WeightOf(char16_t u) {
    const int byte = Cp1252Of(u);
    if (byte >= 0)
        return Table().w[byte];
    CharWeight cw;
    const char16_t folded = fake::registry::FoldUnit(u);
    cw.kind = Kind::Weighted;
    cw.primary = kBeyond + folded;
    cw.upper = folded != u;
    return cw;
}

struct Element {
    unsigned primary;
    unsigned char diacritic;
    unsigned char upper;
};

struct Special {
    size_t position; // number of weighted elements before it
    unsigned weight;
};

struct SortKey {
    std::vector<Element> elements;
    std::vector<Special> specials;
};

SortKey MakeKey(const char16_t* s, int n, bool stringSort) {
    const WeightTable& t = Table();
    SortKey key;
    for (int i = 0; i < n; ++i) {
        const CharWeight cw = WeightOf(s[i]);
        switch (cw.kind) {
        case Kind::Ignored:
            break;
        case Kind::Special:
            // The string sort weighs them as symbols that precede all others.
            if (stringSort)
                key.elements.push_back({cw.primary, 0, cw.upper});
            else
                key.specials.push_back({key.elements.size(), cw.primary});
            break;
        case Kind::Weighted:
            key.elements.push_back({cw.primary, cw.diacritic, cw.upper});
            break;
        case Kind::Expanded:
            for (unsigned char part : cw.expansion) {
                const CharWeight& pw = t.w[part];
                key.elements.push_back({pw.primary, pw.diacritic, cw.upper});
            }
            break;
        }
    }
    return key;
}

template <typename T, typename Field>
int CompareBy(const std::vector<T>& a, const std::vector<T>& b, Field field) {
    for (size_t i = 0; i < a.size() && i < b.size(); ++i) {
        if (field(a[i]) != field(b[i]))
            return field(a[i]) < field(b[i]) ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

int CompareSpecials(const std::vector<Special>& a, const std::vector<Special>& b) {
    for (size_t i = 0; i < a.size() && i < b.size(); ++i) {
        // A hyphen further to the front sorts later ("ab-" < "a-b").
        if (a[i].position != b[i].position)
            return a[i].position < b[i].position ? 1 : -1;
        if (a[i].weight != b[i].weight)
            return a[i].weight < b[i].weight ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

} // namespace

int CompareStringW(LCID, DWORD dwCmpFlags, LPCWSTR lpString1, int cchCount1, LPCWSTR lpString2,
                   int cchCount2) {
    const DWORD known = NORM_IGNORECASE | NORM_IGNORENONSPACE | SORT_STRINGSORT;
    if (dwCmpFlags & ~known) {
        SetLastError(ERROR_INVALID_FLAGS);
        return 0;
    }
    if (!lpString1 || !lpString2) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    if (cchCount1 < 0)
        cchCount1 = static_cast<int>(std::char_traits<char16_t>::length(lpString1));
    if (cchCount2 < 0)
        cchCount2 = static_cast<int>(std::char_traits<char16_t>::length(lpString2));
    const bool stringSort = (dwCmpFlags & SORT_STRINGSORT) != 0;
    const SortKey a = MakeKey(lpString1, cchCount1, stringSort);
    const SortKey b = MakeKey(lpString2, cchCount2, stringSort);

    int r = CompareBy(a.elements, b.elements, [](const Element& e) { return e.primary; });
    if (r == 0 && !(dwCmpFlags & NORM_IGNORENONSPACE))
        r = CompareBy(a.elements, b.elements, [](const Element& e) { return e.diacritic; });
    if (r == 0 && !(dwCmpFlags & NORM_IGNORECASE))
        r = CompareBy(a.elements, b.elements, [](const Element& e) { return e.upper; });
    if (r == 0)
        r = CompareSpecials(a.specials, b.specials);
    return r < 0 ? CSTR_LESS_THAN : (r == 0 ? CSTR_EQUAL : CSTR_GREATER_THAN);
}

namespace {

std::u16string WideOfAnsi(const char* text, int size) {
    const int units = size ? MultiByteToWideChar(CP_ACP, 0, text, size, nullptr, 0) : 0;
    std::u16string wide(static_cast<size_t>(units), u'\0');
    if (units)
        MultiByteToWideChar(CP_ACP, 0, text, size, &wide[0], units);
    return wide;
}

} // namespace

int CompareStringA(LCID Locale, DWORD dwCmpFlags, LPCSTR lpString1, int cchCount1, LPCSTR lpString2,
                   int cchCount2) {
    if (!lpString1 || !lpString2) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    if (cchCount1 < 0)
        cchCount1 = static_cast<int>(std::strlen(lpString1));
    if (cchCount2 < 0)
        cchCount2 = static_cast<int>(std::strlen(lpString2));
    const std::u16string a = WideOfAnsi(lpString1, cchCount1);
    const std::u16string b = WideOfAnsi(lpString2, cchCount2);
    return CompareStringW(Locale, dwCmpFlags, a.c_str(), static_cast<int>(a.size()), b.c_str(),
                          static_cast<int>(b.size()));
}
