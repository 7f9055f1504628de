// The journal's text form: what is written reads back exactly, a file cut off
// anywhere reads as far as it is whole, and hand edits stop the reading at the
// line they spoil.
#include "association/JournalText.h"

#include <gtest/gtest.h>

namespace {

TRawValue Raw(const std::string& name, DWORD type, const std::string& data) {
    return TRawValue{name, type, data};
}

TKeyImage RichImage() {
    TKeyImage image;
    image.Root = HKEY_CLASSES_ROOT;
    image.Path = "CLSID\\{0002DF01-0000-0000-C000-000000000046}";
    image.Exists = true;
    image.Tree.Name = "{0002DF01-0000-0000-C000-000000000046}";
    image.Tree.Values = {
        Raw("", REG_SZ, std::string("Text \"quoted\" \\ ä\t\0", 21)),
        Raw("Empty default", REG_SZ, std::string("\0", 1)),
        Raw("No NUL", REG_SZ, "abc"),
        Raw("Inner NUL", REG_EXPAND_SZ, std::string("a\0b\0", 4)),
        Raw("Nothing", REG_SZ, ""),
        Raw("Multi", REG_MULTI_SZ, std::string("one\0two\0\0", 9)),
        Raw("Dword", REG_DWORD, std::string("\x10\x00\x01\xff", 4)),
        Raw("Short dword", REG_DWORD, std::string("\x01\x00", 2)),
        Raw("Binary", REG_BINARY, std::string("\x00\xff\x7f", 3)),
        Raw("Empty binary", REG_BINARY, ""),
        Raw("None", REG_NONE, "\x01"),
        Raw("Odd type", 0x2A, "z"),
        Raw("High type", 0xFFFF0011, "\x11"),
        Raw("Highest type", 0xFFFFFFFF, ""),
        Raw("\x01\x7f name with \" and \\", REG_SZ, std::string("v\0", 2)),
        Raw("Ωmega.文書", REG_SZ, std::string("打开 Zoë\0", 12)),
        Raw("Odd size", REG_SZ, "a\xff\x41"),
    };
    TKeyTree deep{
        std::string(255, 'd'), {Raw("x", REG_DWORD, std::string("\x01\x00\x00\x00", 4))}, {}};
    TKeyTree middle{"middle", {}, {deep, TKeyTree{"sibling", {}, {}}}};
    image.Tree.SubKeys = {middle, TKeyTree{"last", {Raw("", REG_SZ, std::string("l\0", 2))}, {}},
                          TKeyTree{"打开", {}, {}}};
    return image;
}

TKeyImage AbsentImage() {
    TKeyImage image;
    image.Root = HKEY_CURRENT_USER;
    image.Path = "Software\\New";
    return image;
}

// The image of one value, and of a value the key did not have.
TKeyImage ValueImage(bool had) {
    TKeyImage image;
    image.Root = HKEY_CURRENT_USER;
    image.Path = "Software\\Explorer\\Advanced";
    image.Exists = image.OneValue = true;
    image.ValueName = "HideFileExt";
    image.Tree.Name = "advanced";
    if (had)
        image.Tree.Values = {Raw("hidefileext", REG_DWORD, std::string("\x01\0\0\0", 4))};
    return image;
}

std::string SampleJournal() {
    return std::string(kJournalHeader) + "\r\n" + EntryText(3, "Associate '.txt' with 'x'") +
           ImageText(RichImage()) + ImageText(AbsentImage()) + EntryText(4, "Dissociate") +
           ImageText(AbsentImage()) + ImageText(ValueImage(true)) + ImageText(ValueImage(false)) +
           EntryText(5, "Undone later") + ImageText(RichImage()) + UndoneText(5);
}

// An image of the key ".b" with subkeys nested `depth` levels below it.
std::string DeepImage(int depth) {
    std::string text = "image HKEY_CLASSES_ROOT \".b\"\nkey 0 \".b\"\n";
    for (int i = 1; i <= depth; ++i)
        text += "key " + std::to_string(i) + " \"k\"\n";
    return text + "end\n";
}

} // namespace

TEST(JournalTextTest, WrittenEntriesReadBackExactly) {
    const std::string text = SampleJournal();
    TJournalContents contents = ParseJournal(text);
    EXPECT_EQ(contents.Problem, "");
    EXPECT_EQ(contents.Whole, text.size());
    ASSERT_EQ(contents.Entries.size(), 2u);
    EXPECT_EQ(contents.Entries[0].Id, 3);
    EXPECT_EQ(contents.Entries[0].Name, "Associate '.txt' with 'x'");
    ASSERT_EQ(contents.Entries[0].Images.size(), 2u);
    EXPECT_TRUE(contents.Entries[0].Images[0] == RichImage());
    EXPECT_TRUE(contents.Entries[0].Images[1] == AbsentImage());
    EXPECT_EQ(contents.Entries[1].Name, "Dissociate");
    ASSERT_EQ(contents.Entries[1].Images.size(), 3u);
    EXPECT_TRUE(contents.Entries[1].Images[1] == ValueImage(true));
    EXPECT_TRUE(contents.Entries[1].Images[2] == ValueImage(false));
    EXPECT_NE(text.find("image HKEY_CURRENT_USER \"Software\\\\Explorer\\\\Advanced\" value "
                        "\"HideFileExt\"\r\nkey 0 \"advanced\"\r\nend"),
              std::string::npos);

    // Plain texts and numbers stay readable for a person.
    EXPECT_NE(text.find("value \"Dword\" REG_DWORD dword:ff010010"), std::string::npos);
    EXPECT_NE(text.find("value \"Empty default\" REG_SZ \"\""), std::string::npos);
    EXPECT_NE(text.find("value \"No NUL\" REG_SZ hex:61,62,63"), std::string::npos);
    EXPECT_NE(text.find("image HKEY_CURRENT_USER \"Software\\\\New\" absent"), std::string::npos);

    // Line feeds alone read the same as carriage return and line feed.
    std::string unix;
    for (char c : text)
        if (c != '\r')
            unix += c;
    TJournalContents fromUnix = ParseJournal(unix);
    EXPECT_EQ(fromUnix.Whole, unix.size());
    ASSERT_EQ(fromUnix.Entries.size(), 2u);
    EXPECT_TRUE(fromUnix.Entries[0].Images[0] == RichImage());
}

TEST(JournalTextTest, AFileCutOffAnywhereReadsAsFarAsItIsWhole) {
    const std::string text = SampleJournal();
    size_t lastWhole = 0;
    for (size_t cut = 0; cut <= text.size(); ++cut) {
        const std::string prefix = text.substr(0, cut);
        TJournalContents contents = ParseJournal(prefix);
        ASSERT_LE(contents.Whole, cut);
        ASSERT_GE(contents.Whole, lastWhole) << "a longer piece can't be less whole";
        lastWhole = contents.Whole;
        EXPECT_EQ(contents.Problem.empty(), contents.Whole == cut) << cut;
        // What is kept is the same as reading only the whole part, and every
        // kept image is complete.
        TJournalContents whole = ParseJournal(prefix.substr(0, contents.Whole));
        ASSERT_EQ(whole.Whole, contents.Whole);
        ASSERT_EQ(whole.Entries.size(), contents.Entries.size()) << cut;
        // Entry 5 is read until its undone line comes.
        const std::vector<std::vector<TKeyImage>> written = {
            {RichImage(), AbsentImage()},
            {AbsentImage(), ValueImage(true), ValueImage(false)},
            {RichImage()}};
        ASSERT_LE(contents.Entries.size(), written.size());
        for (size_t e = 0; e < contents.Entries.size(); ++e) {
            const TJournalRecord& record = contents.Entries[e];
            ASSERT_LE(record.Images.size(), written[e].size());
            for (size_t i = 0; i < record.Images.size(); ++i)
                EXPECT_TRUE(record.Images[i] == written[e][i]) << cut;
        }
    }
    EXPECT_EQ(lastWhole, text.size());
}

TEST(JournalTextTest, HandEditsStopTheReadingAtTheSpoiltLine) {
    const std::string head = std::string(kJournalHeader) + "\n";
    const std::string entry = "entry 1 \"One\"\nimage HKEY_CLASSES_ROOT \".a\" absent\n";
    struct Case {
        const char* what;
        std::string text;
        size_t entries;
        long damagedLine;
        const char* problem;
    } cases[] = {
        {"no header", "entry 1 \"x\"\n", 0, 1, "line 1: not an undo journal"},
        {"unknown line", head + entry + "hello\n", 1, 4, "line 4: an unknown line"},
        {"image outside an entry", head + "image HKEY_CLASSES_ROOT \".a\" absent\n", 0, 2,
         "line 2: an image outside any entry"},
        {"unknown root", head + entry + "entry 2 \"Two\"\nimage HKEY_NOWHERE \".a\" absent\n", 2, 5,
         "line 5: a malformed image line"},
        {"entry numbers going back", head + entry + "entry 1 \"Again\"\n", 1, 4,
         "line 4: an entry number out of order"},
        {"undone of an unknown entry", head + entry + "undone 9\n", 1, 4,
         "line 4: an undone line for an unknown entry"},
        {"bad hex",
         head + entry +
             "image HKEY_CLASSES_ROOT \".b\"\nkey 0 \".b\"\nvalue \"v\" REG_BINARY hex:0g\nend\n",
         1, 4, "line 6: a malformed value line"},
        {"dword of the wrong length",
         head + entry +
             "image HKEY_CLASSES_ROOT \".b\"\nkey 0 \".b\"\nvalue \"v\" REG_DWORD dword:1\nend\n",
         1, 4, "line 6: a malformed value line"},
        {"text for a binary value",
         head + entry +
             "image HKEY_CLASSES_ROOT \".b\"\nkey 0 \".b\"\nvalue \"v\" REG_BINARY \"t\"\nend\n",
         1, 4, "line 6: a malformed value line"},
        {"key too deep",
         head + entry + "image HKEY_CLASSES_ROOT \".b\"\nkey 0 \".b\"\nkey 2 \"c\"\nend\n", 1, 4,
         "line 6: a key at the wrong depth"},
        {"key name with a backslash",
         head + entry + "image HKEY_CLASSES_ROOT \".b\"\nkey 0 \".b\"\nkey 1 \"c\\\\d\"\nend\n", 1,
         4, "line 6: a malformed key line"},
        {"unclosed quote", head + "entry 1 \"One\n", 0, 2, "line 2: a malformed entry line"},
        {"bad escape", head + "entry 1 \"\\q\"\n", 0, 2, "line 2: a malformed entry line"},
        {"unknown mark", head + "entry 1 \"x\" utf-16\n", 0, 2, "line 2: a malformed entry line"},
        {"no UTF-8 where the entry says so",
         head + "entry 1 \"x\" utf-8\nimage HKEY_CLASSES_ROOT \".b\"\nkey 0 \".b\"\n"
                "value \"v\" REG_SZ \"\\xe4\"\nend\n",
         1, 3, "line 5: a malformed value line"},
        {"image without end", head + entry + "image HKEY_CLASSES_ROOT \".b\"\nkey 0 \".b\"\n", 1, 4,
         "line 6: the last image has no end"},
        {"end without key", head + entry + "image HKEY_CLASSES_ROOT \".b\"\nend\n", 1, 4,
         "line 5: an image without its key"},
        {"last line without its end", head + entry + "undone 1", 1, 4,
         "line 4: the last line is cut off"},
        {"huge numbers", head + "entry 99999999999999999999 \"x\"\n", 0, 2,
         "line 2: a malformed entry line"},
        {"a type beyond 32 bits",
         head + entry +
             "image HKEY_CLASSES_ROOT \".b\"\nkey 0 \".b\"\nvalue \"v\" 4294967296 hex:\nend\n",
         1, 4, "line 6: a malformed value line"},
        // Restoring such images would write keys or values other than the
        // ones the entry names.
        {"image key named unlike its path",
         head + entry + "image HKEY_CLASSES_ROOT \".b\"\nkey 0 \".c\"\nend\n", 1, 4,
         "line 5: a key that is not the image's key"},
        {"NUL in a value name",
         head + entry +
             "image HKEY_CLASSES_ROOT \".b\"\nkey 0 \".B\"\nvalue \"a\\x00b\" REG_SZ \"\"\nend\n",
         1, 4, "line 6: a malformed value line"},
        {"NUL in a key name",
         head + entry + "image HKEY_CLASSES_ROOT \".b\"\nkey 0 \".b\"\nkey 1 \"c\\x00\"\nend\n", 1,
         4, "line 6: a malformed key line"},
        {"NUL in an image path", head + entry + "image HKEY_CLASSES_ROOT \".b\\x00c\" absent\n", 1,
         4, "line 4: a malformed image line"},
        {"a subkey in the image of one value",
         head + entry +
             "image HKEY_CLASSES_ROOT \".b\" value \"v\"\nkey 0 \".b\"\nkey 1 \"c\"\nend\n",
         1, 4, "line 6: a subkey in the image of one value"},
        {"another value in the image of one value",
         head + entry +
             "image HKEY_CLASSES_ROOT \".b\" value \"v\"\nkey 0 \".b\"\nvalue \"w\" REG_SZ "
             "\"\"\nend\n",
         1, 4, "line 6: a value other than the image's one value"},
        {"deeper than the registry nests", head + entry + DeepImage(514), 1, 4,
         "line 518: a key at the wrong depth"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TJournalContents contents = ParseJournal(c.text);
        EXPECT_EQ(contents.Entries.size(), c.entries);
        EXPECT_EQ(contents.DamagedLine, c.damagedLine);
        EXPECT_EQ(contents.Problem, c.problem);
        EXPECT_LT(contents.Whole, c.text.size());
    } // As deep as the registry nests is read.
    EXPECT_EQ(ParseJournal(head + entry + DeepImage(512)).Problem, "");
}

TEST(JournalTextTest, EntriesGoOnAfterOthersAndUndoMarksLeaveThemInDoubt) {
    const std::string text = std::string(kJournalHeader) + "\n" + EntryText(1, "One") +
                             "image HKEY_CLASSES_ROOT \".a\" absent\n" + EntryText(2, "Two") +
                             "image HKEY_CLASSES_ROOT \".b\" absent\n" + EntryText(1, "One") +
                             "image HKEY_CLASSES_ROOT \".c\" absent\n" + UndoingText(2) +
                             KeptText(2) + UndoingText(1);
    const TJournalContents contents = ParseJournal(text);
    ASSERT_EQ(contents.Whole, text.size()) << contents.Problem;
    ASSERT_EQ(contents.Entries.size(), 2u);
    EXPECT_EQ(contents.Entries[0].Images.size(), 2u);
    EXPECT_TRUE(contents.Entries[0].InDoubt);
    EXPECT_FALSE(contents.Entries[1].InDoubt);
    EXPECT_EQ(contents.LastEntryLine, 1);
    // A line for a number that is not an entry read is damage.
    EXPECT_EQ(ParseJournal(text + EntryText(3, "Three") + KeptText(4)).Problem,
              "line 12: a kept line for an unknown entry");
    EXPECT_EQ(ParseJournal(text + EntryText(2, "Other")).Problem,
              "line 11: an entry number out of order");
}
