// The REGEDIT4 text of keys: each value type in the form the registry editor
// reads back, names escaped, long binary data broken into continued lines.
#include "association/RegExport.h"

#include <gtest/gtest.h>

TEST(RegExportTest, EveryValueTypeInTheEditorsForm) {
    TKeyImage txt;
    txt.Root = HKEY_CLASSES_ROOT;
    txt.Path = ".txt";
    txt.Exists = true;
    txt.Tree.Name = ".txt";
    txt.Tree.Values = {
        {"", REG_SZ, std::string("txtfile\0", 8)},
        {"Quote \"and\" \\", REG_SZ, std::string("C:\\a \"b\"\0", 9)},
        {"Flags", REG_DWORD, std::string("\x08\x00\x01\x00", 4)},
        {"Bin", REG_BINARY, std::string("\x00\xff", 2)},
        {"Empty", REG_BINARY, ""},
        {"Expand", REG_EXPAND_SZ, std::string("%a%\0", 4)},
        {"Multi", REG_MULTI_SZ, std::string("a\0\0", 3)},
        {"NoNul", REG_SZ, "ab"},
        {"Break", REG_SZ, std::string("a\r\nb\0", 5)},
    };
    txt.Tree.SubKeys = {TKeyTree{"ShellNew", {{"NullFile", REG_SZ, std::string("\0", 1)}}, {}}};
    TKeyImage gone;
    gone.Root = HKEY_CURRENT_USER;
    gone.Path = "Software\\Gone";

    EXPECT_EQ(Regedit4Text({txt, gone}), "REGEDIT4\r\n\r\n"
                                         "[HKEY_CLASSES_ROOT\\.txt]\r\n"
                                         "@=\"txtfile\"\r\n"
                                         "\"Quote \\\"and\\\" \\\\\"=\"C:\\\\a \\\"b\\\"\"\r\n"
                                         "\"Flags\"=dword:00010008\r\n"
                                         "\"Bin\"=hex:00,ff\r\n"
                                         "\"Empty\"=hex:\r\n"
                                         "\"Expand\"=hex(2):25,61,25,00\r\n"
                                         "\"Multi\"=hex(7):61,00,00\r\n"
                                         "\"NoNul\"=hex(1):61,62\r\n"
                                         "\"Break\"=hex(1):61,0d,0a,62,00\r\n"
                                         "\r\n"
                                         "[HKEY_CLASSES_ROOT\\.txt\\ShellNew]\r\n"
                                         "\"NullFile\"=\"\"\r\n"
                                         "\r\n"
                                         "; HKEY_CURRENT_USER\\Software\\Gone does not exist\r\n"
                                         "\r\n");
}

TEST(RegExportTest, LongDataContinuesOnIndentedLines) {
    TKeyImage key;
    key.Root = HKEY_CLASSES_ROOT;
    key.Path = "k";
    key.Exists = true;
    key.Tree.Name = "k";
    key.Tree.Values = {{"B", REG_BINARY, std::string(60, '\x11')}, {"T", 0x2A, "\x01"}};
    const std::string text = Regedit4Text({key});
    std::string joined;
    size_t start = text.find("\"B\"=");
    size_t lines = 0;
    for (size_t pos = start;; ++lines) {
        size_t end = text.find("\r\n", pos);
        std::string line = text.substr(pos, end - pos);
        EXPECT_LE(line.size(), 80u) << line;
        if (line.back() != '\\') {
            joined += line;
            break;
        }
        joined += line.substr(0, line.size() - 1);
        pos = end + 2;
        EXPECT_EQ(text.substr(pos, 2), "  ");
        pos += 2;
    }
    EXPECT_GE(lines, 2u);
    std::string expected = "\"B\"=hex:11";
    for (int i = 1; i < 60; ++i)
        expected += ",11";
    EXPECT_EQ(joined, expected);
    EXPECT_NE(text.find("\"T\"=hex(2a):01\r\n"), std::string::npos);
}
