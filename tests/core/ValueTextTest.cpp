#include "registry/ValueText.h"
#include "support/Exception.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

std::string ConvertErrorOf(const std::string& text) {
    try {
        HexToInt(text);
    } catch (const EConvertError& e) {
        return e.what();
    }
    return "(no error)";
}

} // namespace

TEST(ValueTextTest, HexTextAcceptsUpperCaseDigitsOnly) {
    EXPECT_TRUE(IsHexText("0123456789ABCDEF"));
    EXPECT_FALSE(IsHexText(""));
    EXPECT_FALSE(IsHexText("ff")); // lower case is not hex text
    EXPECT_FALSE(IsHexText("1G"));
    EXPECT_FALSE(IsHexText("A B"));
    EXPECT_FALSE(IsHexText(std::string("A\0B", 3)));
}

TEST(ValueTextTest, HexToIntGivesThe32BitPattern) {
    EXPECT_EQ(HexToInt("ff"), 255);
    EXPECT_EQ(HexToInt("Ff"), 255);
    EXPECT_EQ(HexToInt("00000738"), 0x738);
    EXPECT_EQ(HexToInt("80000000"), INT_MIN);
    EXPECT_EQ(HexToInt("FFFFFFFF"), -1);
    EXPECT_EQ(HexToInt("7fffffff"), INT_MAX);
    // Digits beyond the 32 bits fall out instead of shifting past them.
    EXPECT_EQ(HexToInt("100000001"), 1);
}

TEST(ValueTextTest, HexToIntRejectsOtherTextWithTheUpperCasedText) {
    EXPECT_EQ(ConvertErrorOf("1G"), "''1G'' ist kein gültiger hexadezimaler Wert");
    EXPECT_EQ(ConvertErrorOf("1g"), "''1G'' ist kein gültiger hexadezimaler Wert");
    EXPECT_EQ(ConvertErrorOf(""), "'''' ist kein gültiger hexadezimaler Wert");
    EXPECT_EQ(ConvertErrorOf("-1"), "''-1'' ist kein gültiger hexadezimaler Wert");
    EXPECT_EQ(ConvertErrorOf(" 1"), "'' 1'' ist kein gültiger hexadezimaler Wert");
}

TEST(ValueTextTest, IconFileOfTakesQuotedNameOrTextBeforeComma) {
    EXPECT_EQ(IconFileOf("\"C:\\Program Files\\app.exe\",2"), "C:\\Program Files\\app.exe");
    EXPECT_EQ(IconFileOf("shell32.dll,-3"), "shell32.dll");
    EXPECT_EQ(IconFileOf("x.ico"), "x.ico");
    EXPECT_EQ(IconFileOf("\"C:\\never closed,4"), "");
    EXPECT_EQ(IconFileOf(""), "");
    EXPECT_EQ(IconFileOf("\""), "");
    EXPECT_EQ(IconFileOf(",1"), "");
    EXPECT_EQ(IconFileOf("%1"), "%1");
}

TEST(ValueTextTest, IconIndexOfConvertsTextAfterFirstComma) {
    EXPECT_EQ(IconIndexOf("\"C:\\Program Files\\app.exe\",2"), 2);
    EXPECT_EQ(IconIndexOf("shell32.dll,-3"), -3);
    EXPECT_EQ(IconIndexOf("x.ico"), 0);
    EXPECT_EQ(IconIndexOf("5"), 5);
    EXPECT_EQ(IconIndexOf("a.dll,  7"), 7); // leading blanks are skipped
    EXPECT_EQ(IconIndexOf("a.dll,7 "), 0);  // trailing text is no number
    EXPECT_EQ(IconIndexOf("a.dll,"), 0);
    EXPECT_EQ(IconIndexOf("a.dll,-"), 0);
    EXPECT_EQ(IconIndexOf("a.dll,99999999999"), 0);
    EXPECT_EQ(IconIndexOf("a.dll,-2147483648"), INT_MIN);
    // Quotes are not considered: a comma inside a quoted name cuts there.
    EXPECT_EQ(IconIndexOf("\"C:\\a,b.exe\",4"), 0);
}

TEST(ValueTextTest, MakeIconLocationQuotesTheFileAndReadsBack) {
    EXPECT_EQ(MakeIconLocation("C:\\Tools\\app.exe", 3), "\"C:\\Tools\\app.exe\",3");
    EXPECT_EQ(MakeIconLocation("a\"b", -1), "\"a\"\"b\",-1");
    std::string location = MakeIconLocation("C:\\a.exe", 3);
    EXPECT_EQ(IconFileOf(location), "C:\\a.exe");
    EXPECT_EQ(IconIndexOf(location), 3);
    location = MakeIconLocation("C:\\My Icons\\x.ico", -12);
    EXPECT_EQ(IconFileOf(location), "C:\\My Icons\\x.ico");
    EXPECT_EQ(IconIndexOf(location), -12);
}
