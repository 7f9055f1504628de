// TRegistry's value operations, including the bad inputs: wrong types, data
// larger than the buffer, missing keys and values, texts without their NUL.
#include "registry/Registry5LE.h"
#include "support/ErrorOf.h"
#include "support/ScratchRegistry.h"

#include <gtest/gtest.h>

namespace {

class TRegistryValuesTest : public RegistryTest {
protected:
    void SetUp() override {
        PutKey("k");
        reg.SetRootKey(HKEY_CLASSES_ROOT);
        ASSERT_TRUE(reg.OpenKey("k", false));
    }
    TRegistry reg;
};

} // namespace

TEST_F(TRegistryValuesTest, DataInfoReportsTypeAndSize) {
    PutString("k", "s", "abc");
    PutRaw("k", "e", REG_EXPAND_SZ, std::string("%x%\0", 4));
    PutDword("k", "d", 5);
    PutBinary("k", "b", std::string("\x01\x02\x03", 3));
    PutRaw("k", "m", REG_MULTI_SZ, std::string("a\0\0", 3));

    TRegDataInfo info;
    ASSERT_TRUE(reg.GetDataInfo("s", info));
    EXPECT_EQ(info.RegData, rdString);
    EXPECT_EQ(info.DataSize, 8) << "as stored: UTF-16 on NT";
    EXPECT_EQ(reg.GetDataType("e"), rdExpandString);
    EXPECT_EQ(reg.GetDataType("d"), rdInteger);
    EXPECT_EQ(reg.GetDataSize("d"), 4);
    EXPECT_EQ(reg.GetDataType("b"), rdBinary);
    EXPECT_EQ(reg.GetDataSize("b"), 3);
    EXPECT_EQ(reg.GetDataType("m"), rdUnknown);

    EXPECT_FALSE(reg.GetDataInfo("missing", info));
    EXPECT_EQ(info.RegData, rdUnknown);
    EXPECT_EQ(info.DataSize, 0);
    EXPECT_EQ(reg.GetDataSize("missing"), -1);
    EXPECT_EQ(reg.GetDataType("missing"), rdUnknown);
    EXPECT_TRUE(reg.ValueExists("S")); // names ignore case
    EXPECT_FALSE(reg.ValueExists("missing"));
    EXPECT_FALSE(reg.ValueExists("")); // no default value
}

TEST_F(TRegistryValuesTest, WriteAndReadStrings) {
    reg.WriteString("", "txtfile");
    reg.WriteString("Content Type", "text/plain");
    reg.WriteString("empty", "");
    RawValue raw = GetRaw("k", "");
    EXPECT_EQ(raw.type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(raw.bytes, std::string("txtfile\0", 8));
    EXPECT_EQ(reg.ReadString(""), "txtfile");
    EXPECT_EQ(reg.ReadString("content type"), "text/plain");
    EXPECT_EQ(reg.ReadString("empty"), "");
    EXPECT_TRUE(reg.ValueExists("empty"));
    // Umlauts pass through the ANSI API unchanged.
    reg.WriteString("u", "Schlüssel");
    EXPECT_EQ(reg.ReadString("u"), "Schlüssel");
}

TEST_F(TRegistryValuesTest, ReadStringOfOddTextsStopsAtTheData) {
    PutRaw("k", "only-nul", REG_SZ, std::string("\0", 1));
    PutRaw("k", "no-nul", REG_SZ, "abc");
    PutRaw("k", "inner-nul", REG_SZ, std::string("ab\0cd\0", 6));
    PutRaw("k", "expand", REG_EXPAND_SZ, std::string("%SystemRoot%\\x.dll\0", 19));
    PutRaw("k", "zero-bytes", REG_SZ, "");
    PutRaw("k", "zero-binary", REG_BINARY, "");
    EXPECT_EQ(reg.ReadString("only-nul"), "");
    EXPECT_EQ(reg.ReadString("no-nul"), "abc");
    EXPECT_EQ(reg.ReadString("inner-nul"), "ab");
    EXPECT_EQ(reg.ReadString("expand"), "%SystemRoot%\\x.dll"); // not expanded
    EXPECT_EQ(reg.ReadString("zero-bytes"), "");
    EXPECT_EQ(reg.ReadString("zero-binary"), ""); // no data: no type check
}

TEST_F(TRegistryValuesTest, ReadStringOfLongTextsAroundTheFirstBuffer) {
    for (size_t length : {510u, 511u, 512u, 513u, 4000u, 70000u}) {
        std::string text(length, 'a');
        text[length - 1] = 'z';
        reg.WriteString("long", text);
        EXPECT_EQ(reg.ReadString("long"), text) << length;
        // A long text without its NUL is still read to its last byte only.
        PutRaw("k", "long-no-nul", REG_SZ, text);
        EXPECT_EQ(reg.ReadString("long-no-nul"), text) << length;
    }
}

TEST_F(TRegistryValuesTest, ReadStringOfMissingValueOrKeyIsEmpty) {
    EXPECT_EQ(reg.ReadString("missing"), "");
    EXPECT_EQ(reg.ReadString(""), "");
    std::string kept = "kept";
    EXPECT_FALSE(reg.ReadStringIfExists("missing", kept));
    EXPECT_EQ(kept, "kept");
    PutString("k", "there", "");
    EXPECT_TRUE(reg.ReadStringIfExists("there", kept));
    EXPECT_EQ(kept, "");

    TRegistry closed;
    EXPECT_EQ(closed.ReadString(""), "");
    EXPECT_FALSE(closed.ValueExists(""));
    EXPECT_FALSE(closed.DeleteValue("x"));
}

TEST_F(TRegistryValuesTest, ReadStringOfOtherTypesIsAnInvalidDataType) {
    PutDword("k", "dword", 1);
    PutBinary("k", "binary", std::string(600, '\x7f')); // beyond the first buffer too
    PutRaw("k", "multi", REG_MULTI_SZ, std::string("a\0b\0\0", 5));
    PutDword("k", "", 3);
    EXPECT_EQ(ErrorOf<ERegistryException>([&] { reg.ReadString("dword"); }), "Ungültiger Datentyp für 'dword'");
    EXPECT_EQ(ErrorOf<ERegistryException>([&] { reg.ReadString("binary"); }), "Ungültiger Datentyp für 'binary'");
    EXPECT_EQ(ErrorOf<ERegistryException>([&] { reg.ReadString("multi"); }), "Ungültiger Datentyp für 'multi'");
    EXPECT_EQ(ErrorOf<ERegistryException>([&] { reg.ReadString(""); }), "Ungültiger Datentyp für ''");
    std::string value;
    EXPECT_EQ(ErrorOf<ERegistryException>([&] { reg.ReadStringIfExists("dword", value); }),
              "Ungültiger Datentyp für 'dword'");
}

TEST_F(TRegistryValuesTest, IntegersRoundTripAndCheckTheirType) {
    reg.WriteInteger("n", -2);
    RawValue raw = GetRaw("k", "n");
    EXPECT_EQ(raw.type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(raw.bytes, std::string("\xfe\xff\xff\xff", 4));
    EXPECT_EQ(reg.ReadInteger("n"), -2);
    PutDword("k", "big", 0x80000000u);
    EXPECT_EQ(reg.ReadInteger("big"), INT32_MIN);

    PutBinary("k", "bin4", std::string("\x01\x00\x00\x00", 4));
    PutBinary("k", "bin8", std::string(8, '\0'));
    PutString("k", "text", "1");
    EXPECT_EQ(ErrorOf<ERegistryException>([&] { reg.ReadInteger("missing"); }),
              "Konnte Daten für 'missing' nicht holen");
    EXPECT_EQ(ErrorOf<ERegistryException>([&] { reg.ReadInteger("bin4"); }), "Ungültiger Datentyp für 'bin4'");
    EXPECT_EQ(ErrorOf<ERegistryException>([&] { reg.ReadInteger("bin8"); }), "Konnte Daten für 'bin8' nicht holen");
    EXPECT_EQ(ErrorOf<ERegistryException>([&] { reg.ReadInteger("text"); }), "Ungültiger Datentyp für 'text'");
    EXPECT_EQ(ErrorOf<ERegistryException>([&] { reg.ReadInteger(""); }), "Konnte Daten für '' nicht holen");
}

TEST_F(TRegistryValuesTest, BinaryDataFitsTheBufferOrIsRefused) {
    PutBinary("k", "six", std::string("\x01\x02\x03\x04\x05\x06", 6));
    PutBinary("k", "two", std::string("\x38\x07", 2));
    PutString("k", "text", "ab");
    PutDword("k", "dword", 1);
    PutRaw("k", "none", REG_NONE, std::string("\x09", 1));

    unsigned char buffer[4] = {0xEE, 0xEE, 0xEE, 0xEE};
    EXPECT_EQ(ErrorOf<ERegistryException>([&] { reg.ReadBinaryData("six", buffer, 4); }),
              "Ungültiger Datentyp für 'six'");
    EXPECT_EQ(buffer[0], 0xEE);
    EXPECT_EQ(reg.ReadBinaryData("two", buffer, 4), 2);
    EXPECT_EQ(buffer[0], 0x38);
    EXPECT_EQ(buffer[1], 0x07);
    EXPECT_EQ(buffer[2], 0xEE);
    EXPECT_EQ(buffer[3], 0xEE);
    EXPECT_EQ(reg.ReadBinaryData("missing", buffer, 4), 0);
    EXPECT_EQ(buffer[0], 0x38);
    EXPECT_EQ(reg.ReadBinaryData("none", buffer, 4), 1); // unknown types read as bytes
    EXPECT_EQ(buffer[0], 0x09);
    EXPECT_EQ(ErrorOf<ERegistryException>([&] { reg.ReadBinaryData("text", buffer, 4); }),
              "Ungültiger Datentyp für 'text'");
    EXPECT_EQ(ErrorOf<ERegistryException>([&] { reg.ReadBinaryData("dword", buffer, 4); }),
              "Ungültiger Datentyp für 'dword'");
    EXPECT_EQ(ErrorOf<ERegistryException>([&] { reg.ReadBinaryData("two", buffer, -1); }),
              "Ungültiger Datentyp für 'two'");
}

TEST_F(TRegistryValuesTest, DeleteValueAnswersWhetherItWasThere) {
    PutString("k", "v", "x");
    PutString("k", "", "d");
    EXPECT_TRUE(reg.DeleteValue("v"));
    EXPECT_FALSE(reg.DeleteValue("v"));
    EXPECT_TRUE(reg.DeleteValue(""));
    EXPECT_FALSE(HasValue("k", "v"));
    EXPECT_FALSE(HasValue("k", ""));
}

TEST_F(TRegistryValuesTest, WritesThatFailRaiseWithTheValueName) {
    TRegistry closed;
    EXPECT_EQ(ErrorOf<ERegistryException>([&] { closed.WriteString("v", "x"); }), "Konnte Daten für 'v' nicht setzen");
    EXPECT_EQ(ErrorOf<ERegistryException>([&] { closed.WriteInteger("", 1); }), "Konnte Daten für '' nicht setzen");

    TRegistry readOnly;
    readOnly.SetRootKey(HKEY_CLASSES_ROOT);
    readOnly.SetAccess(KEY_READ);
    ASSERT_TRUE(readOnly.OpenKey("k", false));
    EXPECT_EQ(ErrorOf<ERegistryException>([&] { readOnly.WriteString("v", "x"); }),
              "Konnte Daten für 'v' nicht setzen");
    EXPECT_FALSE(HasValue("k", "v"));
}
