// The .reg text of keys: each value type in the form the registry editor
// reads back, names escaped, long binary data broken into continued lines;
// REGEDIT4 in the ANSI code page on the 95 family, version 5.00 in UTF-16
// on NT.
#include "association/RegExport.h"
#include "support/Utf8Text.h"

#ifndef _WIN32
#include "platform/FakeControl.h"
#endif

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

    EXPECT_EQ(RegFileText({txt, gone}, false),
              "REGEDIT4\r\n\r\n"
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
    const std::string text = RegFileText({key}, false);
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

TEST(RegExportTest, TextBeyondTheCodePageInTheUnicodeFormOnNt) {
    TKeyImage zoe;
    zoe.Root = HKEY_CLASSES_ROOT;
    zoe.Path = zoe.Tree.Name = "Zoë 文書";
    zoe.Exists = true;
    zoe.Tree.Values = {{"Ωmega.文書", REG_SZ, std::string("打开 \"ä\"\0", 12)},
                       {"M", REG_MULTI_SZ, std::string("文\0\0", 5)},
                       {"Odd", REG_SZ, "a\xFF\x41"}}; // stored as 61 00 41
    zoe.Tree.SubKeys = {TKeyTree{"打开", {}, {}}};
    const std::string text = RegFileText({zoe}, true);
    EXPECT_EQ(text, "Windows Registry Editor Version 5.00\r\n\r\n"
                    "[HKEY_CLASSES_ROOT\\Zoë 文書]\r\n"
                    "\"Ωmega.文書\"=\"打开 \\\"ä\\\"\"\r\n"
                    "\"M\"=hex(7):87,65,00,00,00,00\r\n"
                    "\"Odd\"=hex(1):61,00,41\r\n"
                    "\r\n"
                    "[HKEY_CLASSES_ROOT\\Zoë 文書\\打开]\r\n"
                    "\r\n");
    // The file: UTF-16LE with its byte order mark on NT (the default).
    const std::string bytes = RegFileBytes({zoe});
    ASSERT_EQ(bytes.size(), 2 + 2 * WideFromUtf8(text).size());
    EXPECT_EQ(bytes.substr(0, 4), std::string("\xFF\xFEW\0", 4));
    EXPECT_EQ(bytes.substr(2 + 2 * 63, 4), "\x87\x65\xF8\x66"); // 文書 in the key's name

#ifndef _WIN32
    // The 95 family: REGEDIT4 in the ANSI code page.
    fake::SetVersion("win98");
    zoe.Path = zoe.Tree.Name = "Zoë";
    zoe.Tree.Values = {{"ä", REG_MULTI_SZ, std::string("ö\0\0", 4)}};
    zoe.Tree.SubKeys.clear();
    EXPECT_EQ(RegFileBytes({zoe}), "REGEDIT4\r\n\r\n[HKEY_CLASSES_ROOT\\Zo\xEB]\r\n"
                                   "\"\xE4\"=hex(7):f6,00,00\r\n\r\n");
    fake::ResetRegistry();
#endif
}
