// The order of CompareString with NORM_IGNORECASE (the order of every sorted
// list of the program): natively against the stand-in's approximation of the
// word sort, under Wine against the real one, so the two agree on
// Windows-1252 text and on where the characters beyond it go. The wide form
// is given UTF-16 (from UTF-8 literals), the ANSI form Windows-1252 bytes.
#include "platform/Win32.h"
#include "support/Utf8Text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

// The wide comparison of UTF-8 texts.
int Compare(const std::string& a, const std::string& b, DWORD flags = NORM_IGNORECASE) {
    const WideString wa = WideFromUtf8(a), wb = WideFromUtf8(b);
    return CompareStringW(LOCALE_USER_DEFAULT, flags, wa.data(), static_cast<int>(wa.size()),
                          wb.data(), static_cast<int>(wb.size()));
}

// The ANSI comparison of Windows-1252 bytes.
int CompareAnsi(const std::string& a, const std::string& b) {
    return CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.data(),
                          static_cast<int>(a.size()), b.data(), static_cast<int>(b.size()));
}

} // namespace

TEST(WordSortContract, SingleCharactersSortAsWine8SortsThem) {
    std::vector<int> chars;
    for (int c = 1; c < 256; ++c)
        chars.push_back(c);
    auto one = [](int c) { return std::string(1, static_cast<char>(c)); };
    std::stable_sort(chars.begin(), chars.end(),
                     [&](int a, int b) { return CompareAnsi(one(a), one(b)) == CSTR_LESS_THAN; });
    std::string order;
    for (size_t i = 0; i < chars.size(); ++i) {
        if (i > 0)
            order += CompareAnsi(one(chars[i - 1]), one(chars[i])) == CSTR_EQUAL ? "=" : " ";
        char hex[3];
        std::snprintf(hex, sizeof hex, "%02x", chars[i]);
        order += hex;
    }
    // Soft hyphen (ignored), controls, hyphens and apostrophe (tie-breakers
    // only), blanks, symbols, digits, letters with their accented forms after
    // them; "=" joins characters equal without regard to case.
    EXPECT_EQ(order,
              "ad 01 02 03 04 05 06 07 08 0e 0f 10 11 12 13 14 15 16 17 18 19 1a 1b 1c 1d 1e 1f "
              "7f 27 2d 96 97 20 a0 09 0a 0b 0c 0d 21 22 23 24 25 26 28 29 2a 2c 2e 2f 3a 3b 3f "
              "40 5b 5c 5d 5e=88 5f 60 7b 7c 7d 7e a1 a6 a8 af b4 b8 bf 98 91 92 82 93 94 84 8b "
              "9b a2 a3 a4 a5 80 2b 3c 3d 3e b1 ab bb d7 f7 a7 a9 ac ae b0 b5 b6 b7 85 86 87 95 "
              "89 81 8d 8f 90 9d 30 bc bd be 31 b9 32 b2 33 b3 34 35 36 37 38 39 41=61 aa c1=e1 "
              "c0=e0 c2=e2 c4=e4 c3=e3 c5=e5 c6=e6 42=62 43=63 c7=e7 44=64 d0=f0 45=65 c9=e9 "
              "c8=e8 ca=ea cb=eb 46=66 83 47=67 48=68 49=69 cd=ed cc=ec ce=ee cf=ef 4a=6a 4b=6b "
              "4c=6c 4d=6d 4e=6e d1=f1 4f=6f ba d3=f3 d2=f2 d4=f4 d6=f6 d5=f5 d8=f8 8c=9c 50=70 "
              "51=71 52=72 53=73 8a=9a df 54=74 de=fe 99 55=75 da=fa d9=f9 db=fb dc=fc 56=76 "
              "57=77 58=78 59=79 dd=fd 9f=ff 5a=7a 8e=9e");
}

TEST(WordSortContract, HyphensAndApostrophesOnlyBreakTies) {
    // Extension names as the lists show them.
    EXPECT_EQ(Compare(".ab", ".a-b"), CSTR_LESS_THAN);
    EXPECT_EQ(Compare(".a-b", ".ac"), CSTR_LESS_THAN);
    EXPECT_EQ(Compare("co-op", "coop"), CSTR_GREATER_THAN);
    EXPECT_EQ(Compare("co-op", "cop"), CSTR_LESS_THAN);
    EXPECT_EQ(Compare("a'b", "a-b"), CSTR_LESS_THAN);
    EXPECT_EQ(Compare("ab-", "a-b"), CSTR_LESS_THAN); // the earlier hyphen sorts later
    EXPECT_EQ(Compare("a-b", "a--b"), CSTR_LESS_THAN);
    EXPECT_EQ(Compare("", "-"), CSTR_LESS_THAN);
    EXPECT_EQ(Compare("a-b", "A-B"), CSTR_EQUAL);
    // Other punctuation weighs in the first comparison, before digits and letters.
    EXPECT_EQ(Compare("a b", "ab"), CSTR_LESS_THAN);
    EXPECT_EQ(Compare(".txt", "_txt"), CSTR_LESS_THAN);
    EXPECT_EQ(Compare("_txt", "1txt"), CSTR_LESS_THAN);
    EXPECT_EQ(Compare("10", "9"), CSTR_LESS_THAN);
    EXPECT_EQ(Compare("a1", "aa"), CSTR_LESS_THAN);
    // Hyphen as an ordinary symbol in the string sort.
    EXPECT_EQ(Compare("a-b", "ab", NORM_IGNORECASE | SORT_STRINGSORT), CSTR_LESS_THAN);
}

TEST(WordSortContract, AccentsAndCaseWeighAfterTheLetters) {
    EXPECT_EQ(Compare("äb", "ac"), CSTR_LESS_THAN);
    EXPECT_EQ(Compare("ab", "äa"), CSTR_GREATER_THAN);
    EXPECT_EQ(Compare("ée", "eé"), CSTR_GREATER_THAN);
    EXPECT_EQ(Compare("Straße", "STRASSE"), CSTR_EQUAL);
    EXPECT_EQ(Compare("Æon", "aeon"), CSTR_EQUAL);
    EXPECT_EQ(Compare("Word.Document.8", "word.document.8"), CSTR_EQUAL);
    // The ANSI form agrees on the same text in Windows-1252.
    EXPECT_EQ(CompareAnsi("\xE4"
                          "b",
                          "ac"),
              CSTR_LESS_THAN);
    EXPECT_EQ(CompareAnsi("Stra\xDF"
                          "e",
                          "STRASSE"),
              CSTR_EQUAL);
    // Beyond Windows-1252: letters of other scripts after the Latin ones,
    // kana and ideographs after them; Greek and Cyrillic without regard to case.
    EXPECT_EQ(Compare("zoë", "Ωmega"), CSTR_LESS_THAN);
    EXPECT_EQ(Compare("Ωmega", "ωMEGA"), CSTR_EQUAL);
    EXPECT_EQ(Compare("ДОК", "док"), CSTR_EQUAL);
    EXPECT_EQ(Compare(".txt", ".ソ"), CSTR_LESS_THAN);
    EXPECT_EQ(Compare("Zoë 文書", "ZOË 文書"), CSTR_EQUAL);
    // Case-sensitive: lower case first, decided before any hyphen.
    EXPECT_EQ(Compare("txt", "TXT", 0), CSTR_LESS_THAN);
    EXPECT_EQ(Compare("Ab", "a-b", 0), CSTR_GREATER_THAN);
    EXPECT_EQ(Compare("éb", "Eb", 0), CSTR_GREATER_THAN);
    // Explicit lengths compare only that much, NULs included.
    EXPECT_EQ(CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, "abX", 2, "ABY", 2), CSTR_EQUAL);
    EXPECT_EQ(CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, WideFromUtf8("abX").c_str(), 2,
                             WideFromUtf8("ABY").c_str(), 2),
              CSTR_EQUAL);
    EXPECT_EQ(CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, "ab\0c", 4, "ab\0d", 4),
              CSTR_LESS_THAN);
}
